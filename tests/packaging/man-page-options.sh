#!/usr/bin/env bash
# Every subcommand that `tq3gen --help` lists has a section (.SS NAME) in the manual page, and
# the options and arguments that `tq3gen NAME --help` lists are those of the section's .TP
# entries, both ways; the program's own options are those of the OPTIONS section.
#   man-page-options.sh TQ3GEN MANPAGE
set -euo pipefail
tq3gen=$1 manpage=$2

# The options (--name) and positional arguments (NAME) of a --help, without --help itself.
help_items() {
  "$tq3gen" "$@" --help | awk '
    /^[A-Z][a-z]*:$/ { block = $0; next }
    block == "Options:" && match($0, /^  (-[a-zA-Z],)?--[a-z0-9-]+/) {
      item = substr($0, 3, RLENGTH - 2); sub(/^-[a-zA-Z],/, "", item); print item }
    block == "Positionals:" && match($0, /^  [A-Z][A-Z_]*/) { print substr($0, 3, RLENGTH - 2) }
  ' | grep -vx -- --help | sort -u
}

# The first word of each .TP entry's first line in the section headed `.SS NAME` or `.SH NAME`.
man_items() {
  sed 's/\\-/-/g' "$manpage" | awk -v head="$1" '
    /^\.S[HS] / { section = substr($0, 5); gsub(/"/, "", section); next }
    section != head { next }
    /^\.TP/ { entry = 1; next }
    entry && match($0, /^\.(BI?|I) +"?[-A-Z][-a-zA-Z0-9_]*/) {
      item = substr($0, RSTART, RLENGTH); sub(/^\.[A-Z]+ +"?/, "", item); print item }
    { entry = 0 }
  ' | sort -u
}

compare() {  # the section's heading, the --help arguments
  local head=$1
  shift
  if ! sed 's/\\-/-/g; s/"//g' "$manpage" | grep -x "\.S[HS] $head" >/dev/null; then
    echo "$manpage has no section \"$head\" for tq3gen $*"
    failed=1
  fi
  local differ
  differ=$(comm -3 <(help_items "$@") <(man_items "$head") | sed 's/^\t/  in the manual page only: /; t; s/^/  in --help only: /')
  if [ -n "$differ" ]; then
    echo "tq3gen $* and the section \"$head\" of $manpage differ:"
    echo "$differ"
    failed=1
  fi
}

failed=0
compare OPTIONS
subcommands=$("$tq3gen" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p')
[ -n "$subcommands" ] || { echo "tq3gen --help lists no subcommands"; exit 1; }
for subcommand in $subcommands; do
  compare "$subcommand" "$subcommand"
done
exit $failed
