#!/usr/bin/env bash
# Folders that sit below others must not reach up: the draw data knows only the page-parser
# interfaces, the singles know nothing of their analysis.
set -euo pipefail
src="$1"
status=0
check() {  # folder, forbidden include prefix
  if grep -rn --include='*.h' --include='*.cpp' "#include \"$2/" "$src/$1"; then
    echo "src/$1 must not include src/$2"
    status=1
  fi
}
check drawdata site
check singles analysis
check support shell
# The ledger sits on the check, the singles and the draw data, below the window's shell.
for low in support drawdata singles check; do check "$low" ledger; done
check ledger shell
exit $status
