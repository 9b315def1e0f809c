# Sourced by the CI scripts. instalar ORDEN PAQUETE...: installs the Debian
# packages quietly unless ORDEN (a program, or a path that must exist) is
# already there; apt's log is shown only on failure. CI runs as root on a
# fresh machine, where only the compilers, CMake, Ninja and the test tools
# can be counted on.
instalar() {
  local orden=$1 log
  shift
  if command -v "$orden" >/dev/null || [ -e "$orden" ]; then
    return 0
  fi
  log=$(mktemp)
  { [ -n "${apt_actualizado:-}" ] || apt-get update -qq; } >"$log" 2>&1 &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      --no-install-recommends "$@" >>"$log" 2>&1 ||
    { cat "$log" >&2; rm -f "$log"; exit 1; }
  apt_actualizado=1
  rm -f "$log"
}
