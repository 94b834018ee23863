#!/usr/bin/env bash
# Runs the program's tour against a demo service on a free loopback port and
# stops the service however the tour ends.
#   run-tour.sh <zorbel-demo-service> <zorbel-extract> <screenshot folder>
set -euo pipefail
demo=$1 program=$2 folder=$3

announcement=$(mktemp)
"$demo" --port 0 >"$announcement" &
service=$!
trap 'kill "$service" 2>/dev/null || true; wait "$service" 2>/dev/null || true; rm -f "$announcement"' EXIT

# The service prints its address once it listens.
for _ in $(seq 100); do
  grep -q '^http://' "$announcement" && break
  kill -0 "$service" 2>/dev/null || { echo "the demo service did not start" >&2; exit 1; }
  sleep 0.1
done
url=$(grep -m1 '^http://' "$announcement") || { echo "the demo service gave no address" >&2; exit 1; }

rm -rf "$folder"
"$program" --service="$url" --tour="$folder"
