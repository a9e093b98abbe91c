#!/usr/bin/env bash
# The bash completion of tq3gen, called as bash calls it: each command line with the cursor at
# its end, and the words offered.
#   completion.sh TQ3GEN COMPLETION_SCRIPT
set -uo pipefail
tq3gen=$(realpath "$1")
source "$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/games" "$scratch/gallery"
touch "$scratch/game-notes.txt"

# The words offered for a command line (the last word is the one being completed).
offered() {
  COMP_WORDS=("$tq3gen" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _tq3gen 2>/dev/null
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

failed=0
expect() {  # the words wanted, then the command line
  local wanted=$1
  shift
  local got
  got=$(offered "$@")
  if [ "$got" != "$wanted" ]; then
    echo "tq3gen $* <Tab>: offered \"$got\", wanted \"$wanted\""
    failed=1
  fi
}

expect "render" ren
expect "render" --game-dir "$scratch/games" ren
expect "restore restore-scenario" rest
expect "--layer" render --la
expect "--seed --seeds --set" sweep --se
expect "$scratch/games" generate --game-dir "$scratch/gam"
expect "$scratch/game-notes.txt $scratch/games" replay "$scratch/gam"
expect "0 2" sweep --mode ""
expect "native-land" sweep --sort na
expect "" generate --seed ""
expect "harsh-climate" generate --preset har

# Every subcommand of --help is offered, and the values of --layer and --sort are those the
# program takes.
subcommands=$("$tq3gen" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p' | sort | paste -sd' ')
expect "$subcommands" ""
layers=$("$tq3gen" render --help | sed -n 's/.*--layer TEXT:{\([a-z,]*\)}.*/\1/p' | tr ',' '\n' | sort | paste -sd' ')
expect "$layers" render --layer ""
for order in $(offered sweep --sort ""); do
  "$tq3gen" sweep --help | grep -- "$order" >/dev/null || { echo "sweep --help names no order $order"; failed=1; }
done
exit $failed
