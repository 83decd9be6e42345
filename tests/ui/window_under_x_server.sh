#!/bin/sh
# Runs the real program under an X server of its own (Xvfb) until its window has been shown:
# the xcb platform, the session bus and the fonts, as a desktop has them. In the sanitizer build
# any leak or error report fails it.
#   window_under_x_server.sh LUMORA_DEMO [PATH]
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing"; exit 77; }
unset QT_QPA_PLATFORM
LUMORA_QUIT_WHEN_SHOWN=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
