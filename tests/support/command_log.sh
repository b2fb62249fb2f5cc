# Sourced by the end-to-end tests that time the player's commands. Every
# command the player sends goes to $work/mci.log with the moment it was
# sent; the player logs into $work/mci.pipe. Sets $logger (the reader).
start_command_log() {
  mkfifo "$work/mci.pipe"
  (while IFS= read -r line; do printf '%s\t%s\n' "$EPOCHREALTIME" "$line"; done \
     < "$work/mci.pipe" > "$work/mci.log") &
  logger=$!
}
