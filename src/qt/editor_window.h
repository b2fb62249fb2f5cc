#pragma once
// The playlist editor "ならべ丸" on Qt: a resizable window with a view over
// the editor's rows and its buttons. Every action is one of the editor's
// operations; the window only calls them and shows what they changed.

#include <QPointer>
#include <QWidget>

#include "platform/popup_windows.h"

namespace rq {

class Player;
class EditorWidget;

class QtEditorWindow : public EditorWindow {
  public:
    QtEditorWindow();
    ~QtEditorWindow() override;

    // The player whose playlist the window edits, and the window it belongs
    // to (it stays above it). Detaching closes the window.
    void attach(Player* player, QWidget* owner);

    bool exists() const override;
    void create() override;
    // The window goes at once; its widget is deleted once control is back
    // in the event loop, since closing starts in one of its own handlers.
    void destroy() override;
    void place(const WindowPlacement& p) override;
    bool visible() const override;
    Rect rect() const override;
    // Never a picture target.
    int handle() const override { return 0; }
    void lay_out(const EditorLayout& layout) override;

    // The window while it exists (for tests and screenshots).
    QWidget* widget() const;

  private:
    Player* player_ = nullptr;
    QPointer<QWidget> owner_;
    QPointer<EditorWidget> widget_;
};

}  // namespace rq
