#!/bin/sh
# Wine for the Windows tests, one prefix per test.
#   wine_test.sh setup ROOT          new ROOT/template (wineboot), once a run
#   wine_test.sh run TEMPLATE PROGRAM [ARGS...]
#                                    PROGRAM in $WINEPREFIX, made from TEMPLATE
# A prefix is ~700 MB, nearly all DLLs that Wine never writes to, so a test's
# prefix links them from the template; the registry files are real copies.
set -eu
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

case "$1" in
  setup)
    rm -rf "$2"
    mkdir -p "$2"
    WINEPREFIX="$2/template" wineboot -i 2>/dev/null
    WINEPREFIX="$2/template" wineserver -w
    ;;
  run)
    template=$2
    shift 2
    if [ ! -d "$WINEPREFIX" ]; then
      cp -al "$template" "$WINEPREFIX"
      for registry in "$template"/*.reg; do
        cp --remove-destination "$registry" "$WINEPREFIX/"
      done
    fi
    # No menu entries written into the host's desktop for what a test
    # installs (they would also stay in the prefix's registry).
    export WINEDLLOVERRIDES=winemenubuilder.exe=d
    exec wine "$@"
    ;;
  *)
    echo "usage: $0 setup ROOT | run TEMPLATE PROGRAM [ARGS...]" >&2
    exit 2
    ;;
esac
