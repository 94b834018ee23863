#!/usr/bin/env bash
# Runs the program's tour against a demo service on a free loopback port and
# stops the service however the tour ends.
#   run-tour.sh <zorbel-demo-service> <zorbel-extract> <screenshot folder>
set -euo pipefail
demo=$1 program=$2 folder=$3

source "$(dirname "$0")/../../scripts/lib/demo-service.sh"
start_demo_service "$demo"

rm -rf "$folder"
"$program" --service="$demo_url" --tour="$folder"
