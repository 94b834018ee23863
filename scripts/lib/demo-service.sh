# Sourced by scripts/run and the tour test.
#   start_demo_service <zorbel-demo-service binary>
# Starts the demo service on a free loopback port, waits until it has printed
# its address, account and password, and sets demo_url, demo_account and
# demo_password. The service stops when the calling shell exits. The program
# started afterwards reaches it directly, whatever proxy the environment names.
start_demo_service() {
  local program=$1
  export no_proxy="127.0.0.1${no_proxy:+,$no_proxy}"
  demo_announcement=$(mktemp)
  "$program" --port 0 >"$demo_announcement" &
  demo_service=$!
  trap 'kill "$demo_service" 2>/dev/null || true; wait "$demo_service" 2>/dev/null || true; rm -f "$demo_announcement"' EXIT

  # The password line is the last one the service prints once it listens.
  local _
  for _ in $(seq 100); do
    grep -q '^password: ' "$demo_announcement" && break
    kill -0 "$demo_service" 2>/dev/null || { echo "The demo service did not start." >&2; return 1; }
    sleep 0.1
  done
  demo_url=$(grep -m1 '^http://' "$demo_announcement") ||
    { echo "The demo service gave no address." >&2; return 1; }
  demo_account=$(sed -n 's/^account: //p' "$demo_announcement")
  demo_password=$(sed -n 's/^password: //p' "$demo_announcement")
}
