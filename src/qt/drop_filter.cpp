#include "qt/drop_filter.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace rq {

namespace {

// Local file paths as the file system spells them (bytes, not Unicode).
std::vector<std::string> local_paths(const QMimeData* mime) {
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        QString file = url.toLocalFile();
        // A dropped folder may come as "dir/"; the walk adds its own "/".
        while (file.size() > 1 && file.endsWith('/'))
            file.chop(1);
        paths.push_back(QFile::encodeName(file).toStdString());
    }
    return paths;
}

}  // namespace

bool DropFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (local_paths(drag->mimeData()).empty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            std::vector<std::string> paths = local_paths(drop->mimeData());
            if (paths.empty()) return false;
            drop->acceptProposedAction();
            handler_(paths);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace rq
