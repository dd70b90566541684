# What scripts/run and scripts/screenshots share: the build that trusts the demo stand-in, the stand-in with
# the demo account, and a client home that logs in to it by itself. Sourced from the repository's root.

build_dir=build
demo_dir="$PWD/$build_dir/standin-demo"
demo_email=demo@qelvox.test
demo_password=demo-fax-2029

# Sets up the machine and builds the given targets (everything when none), trusting the stand-in's CA,
# which the stand-in writes at its first start.
demo_build() {
  scripts/setup
  cmake -S . -B "$build_dir" -G Ninja -DQELVOX_SERVICE_HOST=127.0.0.1:18443 \
    -DQELVOX_SERVICE_CA_FILE="$demo_dir/tls/ca.pem" >/dev/null
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
}

# Starts the stand-in with the demo account in the background, its state in the given file and its output in
# the given log, with further options last so that they win; waits until it is ready. Sets standin_pid.
demo_start_standin() {
  local state=$1 log=$2
  shift 2
  mkdir -p "$demo_dir"
  "$build_dir/tools/standin/qelvox-standin" --demo --http-port 18080 --https-port 18443 \
    --tls-dir "$demo_dir/tls" --state "$state" "$@" >"$log" 2>&1 &
  standin_pid=$!
  for _ in $(seq 100); do
    # The whole line: its messages ("address already in use") may hold the word as well.
    grep -qx ready "$log" && return 0
    if ! kill -0 "$standin_pid" 2>/dev/null; then
      echo "the stand-in service could not start:"
      cat "$log"
      return 1
    fi
    sleep 0.1
  done
  echo "the stand-in service did not start: $log"
  return 1
}

# Writes a client home's settings with the demo account; with remember=yes its password is stored, so the
# client logs in by itself. An optional language code chooses the client's language.
demo_client_settings() {
  local home=$1 remember=$2 language=${3:-}
  local settings_dir="$home/data/Qelvox" digest=""
  mkdir -p "$settings_dir" && chmod 700 "$home/data" "$settings_dir"
  [ "$remember" = yes ] && digest=$(printf '%s' "$demo_password" | md5sum | cut -d' ' -f1)
  {
    printf '[CLIENT]\nUSERNAME=%s\nPASSWORD=%s\nAUTOCONNECT=true\n' "$demo_email" "$digest"
    if [ -n "$language" ]; then printf 'LANGUAGE=%s\n' "$language"; fi
  } >"$settings_dir/Qelvoxdesk.ini"
  chmod 600 "$settings_dir/Qelvoxdesk.ini"
}
