#!/usr/bin/env bash
# Fails when a translation catalog is behind the sources (a text added, changed or removed
# without updating the catalogs: build the target update_translations) or holds a text that is
# not translated yet or no longer used.
#   check-catalogs.sh <lupdate> <GenerateLUpdateProject.cmake> <project.cmake> <catalog>...
set -euo pipefail
lupdate=$1 generate=$2 project=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate"
copies=()
for catalog in "$@"; do
  cp "$catalog" "$work/"
  copies+=("$work/$(basename "$catalog")")
done
# The copies replace the catalogs the project names; lupdate says so, which is no news here.
"$lupdate" -silent -project "$work/project.json" -locations none -no-ui-lines \
  -ts "${copies[@]}" 2> >(grep -v 'will override TRANSLATIONS' >&2)

status=0
for catalog in "$@"; do
  copy=$work/$(basename "$catalog")
  if ! cmp -s "$catalog" "$copy"; then
    echo "$catalog is behind the sources; build the target update_translations:" >&2
    diff -u "$catalog" "$copy" | head -40 >&2
    status=1
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"' "$copy" >&2; then
    echo "$catalog: the texts above are not translated, or no longer used" >&2
    status=1
  fi
done
exit $status
