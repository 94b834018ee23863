#!/usr/bin/env bash
# Runs the program's tour against a demo service on a free loopback port and
# stops the service however the tour ends.
#   run-tour.sh <zorbel-demo-service> <zorbel-extract> <screenshot folder>
set -euo pipefail
demo=$1 program=$2 folder=$3

# The tour's settings, caches and data live in a home of its own beside its screenshots,
# never the user's.
home=$folder.home
rm -rf "$home" && mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data

source "$(dirname "$0")/../../scripts/lib/demo-service.sh"
start_demo_service "$demo"

rm -rf "$folder"
"$program" --service="$demo_url" --tour="$folder"
