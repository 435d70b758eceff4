# Sourced by scripts/test-all.sh: times the stages of a run and prints them.
# Usage: stage <name> <command...>  ...  print_stage_times
# Wall-clock and CPU time both: the machine may be shared, and CPU time shows
# what a stage costs regardless of the others.

# Each stage's name, wall-clock and CPU milliseconds.
stage_names=()
stage_walls=()
stage_cpus=()

now_ms() {
  echo $(($(date +%s%N) / 1000000))
}

# Sets children_cpu to the CPU milliseconds (user + system) of the finished
# child processes so far (the persistent wineserver is not one of them). Not
# a command substitution, nor a pipe from the builtin: in a subshell it would
# count the subshell's children.
children_cpu=0
read_children_cpu() {
  local file
  file=$(mktemp)
  times >"$file"
  children_cpu=$(sed -n 2p "$file" | awk '{ split($1, u, /[ms]/); split($2, s, /[ms]/);
                   printf "%d", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1000 }')
  rm -f "$file"
}

# stage <name> <command...>: runs the command and records its times.
stage() {
  local name=$1; shift
  local wall_start cpu_start rc
  wall_start=$(now_ms)
  read_children_cpu
  cpu_start=$children_cpu
  "$@"
  rc=$?
  read_children_cpu
  stage_names+=("$name")
  stage_walls+=($(($(now_ms) - wall_start)))
  stage_cpus+=($((children_cpu - cpu_start)))
  return $rc
}

# m:ss of a number of milliseconds.
minutes() {
  local seconds=$(($1 / 1000))
  printf '%d:%02d' $((seconds / 60)) $((seconds % 60))
}

print_stage_times() {
  local i
  read_children_cpu
  echo
  printf '%-46s %7s %7s\n' "== stage times" "wall" "CPU"
  for i in "${!stage_names[@]}"; do
    printf '   %-43s %7s %7s\n' "${stage_names[$i]}" "$(minutes "${stage_walls[$i]}")" \
      "$(minutes "${stage_cpus[$i]}")"
  done
  printf '   %-43s %7s %7s\n' "all of make test" "$(minutes $(($(now_ms) - stage_times_start)))" \
    "$(minutes "$children_cpu")"
}

stage_times_start=$(now_ms)
