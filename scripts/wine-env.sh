# Sourced by the project's scripts: a private Wine prefix under the build
# tree, a private X display, and a persistent wineserver for that prefix.
#
#   wine_env_up BUILD_DIR [use-display]   sets WINEPREFIX, DISPLAY; starts what is missing
#   wine_env_down                         stops only what wine_env_up started
#
# With "use-display" and a DISPLAY already set, that display is used (the
# run command shows the window to the user); otherwise a private Xvfb runs.

TARNWICK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"  # no Mono or Gecko prompts

_wine_env_started_xvfb=""
_wine_env_started_server=""

_wine_env_prefix_ready() { [ -f "$WINEPREFIX/.tarnwick-ready" ]; }

# A fresh prefix with the settings the tests rely on: Wine draws its own
# frames (no window manager under Xvfb), keys reach windows that are not
# Wine's active one, http:// addresses go to a logging script instead of a
# browser, and Chinese text has a font behind "MS Shell Dlg".
_wine_env_make_prefix() {
  echo "Creating the Wine prefix in $WINEPREFIX (once)..." >&2
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  local reg="$WINEPREFIX/tarnwick-settings.reg"
  cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"UseTakeFocus"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
"Browsers"="$TARNWICK_ROOT/scripts/browser-log.sh"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:00000060
REG
  wine regedit /S "$reg" >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tarnwick-ready"
}

_wine_env_free_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo ":$n"
      return 0
    fi
  done
  return 1
}

wine_env_up() {
  local build_dir="$1" mode="${2:-}"
  mkdir -p "$build_dir"
  export WINEPREFIX
  WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
  export WINEARCH=win64

  if [ "$mode" != "use-display" ] || [ -z "${DISPLAY:-}" ]; then
    local display
    display="$(_wine_env_free_display)" || { echo "no free X display number" >&2; return 1; }
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    _wine_env_started_xvfb=$!
    export DISPLAY="$display"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.05
    done
    xset r off
  fi

  _wine_env_prefix_ready || _wine_env_make_prefix
  # Wine draws its caption buttons with Marlett; Debian ships the font where
  # this Wine does not look for it.
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp "$marlett" "$fonts/"
  fi
  # A persistent server for this prefix alone, so each Windows process
  # starts quickly; only when none runs for it yet.
  if [ -z "$(_wine_env_server_pid)" ]; then
    wineserver -p
    _wine_env_started_server=1
    wine cmd /c exit </dev/null >/dev/null 2>&1
  fi
}

# The wineserver of this prefix, if one runs: it works in the folder that
# Wine names after the prefix's device and inode.
_wine_env_server_pid() {
  local dir pid
  dir="server-$(stat -c %D "$WINEPREFIX")-$(printf '%x' "$(stat -c %i "$WINEPREFIX")")"
  for pid in $(pgrep wineserver 2>/dev/null); do
    if [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$dir" ]; then
      echo "$pid"
      return 0
    fi
  done
  return 0
}

wine_env_down() {
  if [ -n "$_wine_env_started_server" ]; then
    wineserver -k >/dev/null 2>&1 || true
    _wine_env_started_server=""
  fi
  if [ -n "$_wine_env_started_xvfb" ]; then
    kill "$_wine_env_started_xvfb" 2>/dev/null || true
    wait "$_wine_env_started_xvfb" 2>/dev/null || true
    _wine_env_started_xvfb=""
  fi
}
