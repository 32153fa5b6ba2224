# What .ci/run and .ci/release-checks share; sourced by both.

# Each part says how long it took as it ends, in a line of its own:
# "-- NAME: N s". .ci/run reads those lines back for its table.
part_name=
part_started=$SECONDS
part() {
    if [ -n "$part_name" ]; then echo "-- $part_name: $((SECONDS - part_started)) s"; fi
    part_name=${1:-}
    part_started=$SECONDS
    if [ -n "$part_name" ]; then echo "== $part_name"; fi
}

# The tools of the shared folder beside the repository (screen-reader,
# fresh-debian): prints the path, or nothing where there is none.
shared_tool() {
    local candidate
    for candidate in "../shared/tools/$1" "/work/shared/tools/$1"; do
        if [ -f "$candidate" ]; then
            realpath "$candidate"
            return
        fi
    done
}
