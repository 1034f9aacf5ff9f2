#!/usr/bin/env bash
# Stands in for the web browser in the project's Wine prefix: each address
# that the shell opens is appended to $TARNWICK_BROWSER_LOG (when set), one
# per line, and no browser starts.
[ -n "${TARNWICK_BROWSER_LOG:-}" ] && printf '%s\n' "$*" >>"$TARNWICK_BROWSER_LOG"
exit 0
