#!/usr/bin/env bash
# Runs the WebAssembly build under node: the test programs of calc/, project/ and cli/, then
# tessivane-calc.mjs beside the Linux program on every example in every format, on the inputs
# of the golden files and on the failure cases. Standard output, standard error, exit status
# and the project file afterwards must be the same bytes.
#   scripts/test-web.sh WEB_BUILD_DIR LINUX_TESSIVANE_CALC
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=$1
linux_calc=$(realpath "$2")
mjs=$root/$build_dir/tessivane-calc.mjs
node=$(command -v node)
start=$SECONDS

for suite in calc_tests project_tests cli_tests; do
  echo "-- $suite (node)"
  "$node" "$build_dir/testbin/$suite.js" --gtest_brief=1
done

work=$root/$build_dir/compare
rm -rf "$work" && mkdir -p "$work"
cases=0
failed=0

# check NAME PROJECT|- [--read-only] [--full-output] [--terminal] [VAR=VALUE ...] -- OPTIONS
# Runs both programs with only the given environment, each in a folder of its own that holds
# a copy of PROJECT as p.tvc (so that messages naming it agree; the options name it).
check() {
  local name=$1 project=$2
  shift 2
  local read_only=0 full_output=0 terminal=0 environment=()
  while [ "$1" != -- ]; do
    case $1 in
    --read-only) read_only=1 ;;
    --full-output) full_output=1 ;;
    --terminal) terminal=1 ;;
    --closed-output) full_output=2 ;;
    *) environment+=("$1") ;;
    esac
    shift
  done
  shift
  cases=$((cases + 1))
  local side dir program
  for side in linux node; do
    dir=$work/$name/$side
    mkdir -p "$dir"
    if [ "$project" != - ]; then
      cp "$project" "$dir/p.tvc"
      [ "$read_only" -eq 0 ] || chmod 444 "$dir/p.tvc"
    fi
    program=("$linux_calc")
    [ "$side" = linux ] || program=("$node" "$mjs")
    (
      cd "$dir"
      set +e
      if [ "$terminal" -eq 1 ]; then
        # On a terminal in raw mode, so the bytes arrive as written; the shell sees no name.
        # shellcheck disable=SC2016 # expanded by the shell that script starts
        env -i "${environment[@]}" CALC_COMMAND="${program[*]}" CALC_ARGS="$*" \
          script -qec 'stty raw -echo; set -f; exec $CALC_COMMAND $CALC_ARGS' /dev/null \
          >../$side.out 2>../$side.err
      elif [ "$full_output" -eq 2 ]; then
        env -i "${environment[@]}" "${program[@]}" "$@" >&- 2>../$side.err
      elif [ "$full_output" -eq 1 ]; then
        env -i "${environment[@]}" "${program[@]}" "$@" >/dev/full 2>../$side.err
      else
        env -i "${environment[@]}" "${program[@]}" "$@" >../$side.out 2>../$side.err
      fi
      echo $? >../$side.status
    )
  done
  local part
  for part in out err status; do
    [ -e "$work/$name/linux.$part" ] || continue
    if ! cmp -s "$work/$name/linux.$part" "$work/$name/node.$part"; then
      echo "tessivane-calc.mjs differs from the Linux program ($name, standard $part):" >&2
      diff "$work/$name/linux.$part" "$work/$name/node.$part" | head -n 20 >&2 || true
      failed=1
    fi
  done
  if [ "$project" != - ] && ! cmp -s "$work/$name/linux/p.tvc" "$work/$name/node/p.tvc"; then
    echo "tessivane-calc.mjs left another project file than the Linux program ($name)" >&2
    failed=1
  fi
}

# expect FILE GOLDEN [lf]: the node program's output (or saved file) is the golden file, with
# its CR LF line ends as LF where the golden file is the window's text.
expect() {
  local golden=$2
  if [ "${3:-}" = lf ]; then
    golden=$work/golden-$(basename "$2")
    sed 's/\r$//' "$2" >"$golden"
  fi
  if ! cmp -s "$1" "$golden"; then
    echo "tessivane-calc.mjs: $1 is not $2" >&2
    failed=1
  fi
}

# Every example in every form of output, with the embedded chamber data.
for project in examples/*.tvc; do
  for options in "" "--table" "--format report" "--format json" "--format csv" "--format swmm" \
    "--format=stage-storage" "--yes --table"; do
    name=$(basename "$project" .tvc)${options// /}
    # shellcheck disable=SC2086 # the options are separate words
    check "$name" "$project" LANG=C -- $options p.tvc
  done
done
expect "$work/rectangular-array--formatjson/node.out" tests/cli/golden/rectangular-array.json
expect "$work/rectangular-array--formatswmm/node.out" tests/cli/golden/rectangular-array.inp

# The worked examples of the engine's golden reports, on the test chamber data.
data=$root/tests/calc/data
projects=$work/projects
mkdir -p "$projects"
# lines FILE LINE...: a file of these lines, each ended by CR LF.
lines() {
  local file=$1
  shift
  printf '%s\r\n' "$@" >"$file"
}
method1=(TVC_Ver01 1 "Worked example" 0 10 1000)
method2=(TVC_Ver01 2 "Worked example" 0 2 3 6 6 6 12)
lines "$projects/known-bed.tvc" "${method1[@]}" 6 6 40 100 0 0
lines "$projects/rectangular.tvc" "${method2[@]}" 40 100 0 0
lines "$projects/rectangular-bottom.tvc" "${method2[@]}" 40 100 1 0
lines "$projects/refused.tvc" "${method1[@]}" 6 6 101 100 0 0
lines "$projects/thin-foundation.tvc" "${method1[@]}" 4 6 40 100 0 0
lines "$projects/lot-7.tvc" TVC_Ver01 2 "  Lot 7, east bed" 0 2 3 6 6 6 12 40 100 0 0
lines "$projects/damaged.tvc" "not a project"
mkdir -p "$projects/falling"
lines "$projects/falling/RX-160.dat" Falling 30 24 48 3 "0, 0" "12, 10" "24, 0"
lines "$projects/falling.tvc" "${method1[@]}" 6 6 5 100 0 0

check known-bed "$projects/known-bed.tvc" LANG=C -- --data-dir "$data/worked-bed" p.tvc
expect "$work/known-bed/node.out" tests/calc/golden/known-bed-area.txt lf
check rectangular "$projects/rectangular.tvc" LANG=C -- --data-dir="$data/worked-rect" p.tvc
expect "$work/rectangular/node.out" tests/calc/golden/rectangular-array.txt lf
check rectangular-bottom "$projects/rectangular-bottom.tvc" -- --data-dir "$data/worked-rect" p.tvc
expect "$work/rectangular-bottom/node.out" tests/calc/golden/rectangular-array-bottom.txt lf
check save-results "$projects/lot-7.tvc" LANG=C -- --save --data-dir "$data/worked-rect" p.tvc
expect "$work/save-results/node/p.tvc" tests/project/golden/rectangular-array-results.tvc
for format in csv stage-storage json; do
  check "known-bed-$format" "$projects/known-bed.tvc" -- --format $format --data-dir "$data/worked-bed" p.tvc
done

# Refusals, questions and unreadable input: the message, the status, no output.
check refused "$projects/refused.tvc" -- --data-dir "$data/worked-bed" p.tvc
check refused-json "$projects/refused.tvc" -- --format json --data-dir "$data/worked-bed" p.tvc
check question "$projects/thin-foundation.tvc" -- --data-dir "$data/worked-bed" p.tvc
check question-yes "$projects/thin-foundation.tvc" -- --yes --save --data-dir "$data/worked-bed" p.tvc
check falling-swmm "$projects/falling.tvc" -- --format swmm --data-dir ../../projects/falling p.tvc
check no-data-files "$projects/known-bed.tvc" -- --data-dir "$projects" p.tvc
check damaged "$projects/damaged.tvc" -- p.tvc
check missing - -- missing.tvc
check folder - -- .
check no-arguments - --
check two-projects - -- a.tvc b.tvc
check bad-option - -- --bogus p.tvc
check bad-format - -- --format xml p.tvc
check table-and-json - -- --table --format json p.tvc
check help - -- --help
check version - -- --version

# Saving: the saved project, a read-only one left alone, output that cannot be written.
check save examples/rectangular-array.tvc -- --save p.tvc
check save-table examples/known-bed-area.tvc -- --save --table p.tvc
check save-read-only examples/rectangular-array.tvc --read-only -- --save p.tvc
check full-output examples/rectangular-array.tvc --full-output -- --save p.tvc
check full-output-help - --full-output -- --help

# save_as_user NAME FILE_MODE FOLDER_MODE GROUP: --save run as "nobody" (with GROUP as a
# supplementary group) on a project of root's in a folder of its own, where permissions decide.
save_as_user() {
  local name=$1 file_mode=$2 folder_mode=$3 group=$4 side dir program inode
  cases=$((cases + 1))
  for side in linux node; do
    dir=$work/$name/$side
    mkdir -p "$dir"
    cp "$projects/known-bed.tvc" "$dir/p.tvc"
    chown "0:$group" "$dir/p.tvc"
    chmod "$file_mode" "$dir/p.tvc"
    chmod "$folder_mode" "$dir"
    inode=$(stat -c %i "$dir/p.tvc")
    program=("$linux_calc")
    [ "$side" = linux ] || program=("$node" "$mjs")
    (
      cd "$dir"
      set +e
      setpriv --reuid=65534 --regid=65534 --groups="$group" -- "${program[@]}" --save \
        --data-dir "$data/worked-bed" p.tvc >/dev/null 2>../$side.err
      echo $? >../$side.status
    )
    chmod 755 "$dir"
    { stat -c '%a %U %G' "$dir/p.tvc"; [ "$(stat -c %i "$dir/p.tvc")" = "$inode" ] && echo "same inode"; } \
      >"$work/$name/$side.file"
    cat "$dir/p.tvc" >>"$work/$name/$side.file"
  done
  local part
  for part in err status file; do
    if ! cmp -s "$work/$name/linux.$part" "$work/$name/node.$part"; then
      echo "tessivane-calc.mjs differs from the Linux program ($name as nobody, $part):" >&2
      diff "$work/$name/linux.$part" "$work/$name/node.$part" | head -n 20 >&2 || true
      failed=1
    fi
  done
}
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  chmod 755 "$work" "$work/.." "$data" "$data/worked-bed"
  save_as_user user-read-only 644 777 65534     # refused, though the folder is open
  save_as_user user-closed-folder 666 555 65534 # written in place
  save_as_user user-shared-group 664 777 100    # replaced, keeping group and mode
else
  echo "-- not root: the saves as another user are left out"
fi

# The environment's decimal separator (LC_ALL, then LC_NUMERIC, then LANG), in the report and
# the report --save writes; JSON and CSV keep ".".
check comma examples/rectangular-array.tvc LANG=de_DE.UTF-8 -- --save p.tvc
check lc-numeric examples/rectangular-array.tvc LC_NUMERIC=C LANG=de_DE.UTF-8 -- p.tvc
check lc-all examples/rectangular-array.tvc LC_ALL=de_DE.UTF-8 LC_NUMERIC=C -- p.tvc
check lc-all-empty examples/rectangular-array.tvc LC_ALL= LC_NUMERIC=de_DE.UTF-8 LANG=C -- p.tvc
check comma-json examples/rectangular-array.tvc LC_ALL=de_DE.UTF-8 -- --format json p.tvc
check comma-csv examples/rectangular-array.tvc LC_ALL=de_DE.UTF-8 -- --format csv p.tvc
grep -q $'\t1\t1,41$' "$work/comma/node.out" || { echo "no decimal comma under de_DE" >&2; failed=1; }

# Control characters in a text field: shown escaped on a terminal, passed on through a pipe.
controls=$projects/controls.tvc
{
  printf '\xEF\xBB\xBF'
  sed 's/Maple/\x1B]0;owned\x07\x1B[2J\x7F\xC2\x9B/' examples/rectangular-array.tvc
} >"$controls"
check controls-piped "$controls" LANG=C -- p.tvc
check controls-terminal "$controls" --terminal LANG=C -- p.tvc
grep -q '\^\[\]0;owned\^G' "$work/controls-terminal/node.out" ||
  { echo "tessivane-calc.mjs did not escape the controls on a terminal" >&2; failed=1; }

check closed-output examples/rectangular-array.tvc --closed-output -- p.tvc

# started_in NAME ROOT [deleted] -- OPTIONS: both programs started in a folder made under ROOT
# (removed before the start with "deleted") that holds the example as p.tvc.
started_in() {
  local name=$1 root=$2 deleted=$3 side folder
  shift 4
  cases=$((cases + 1))
  mkdir -p "$work/$name"
  for side in linux node; do
    program=("$linux_calc")
    [ "$side" = linux ] || program=("$node" "$mjs")
    folder=$(mktemp -d "$root/tessivane-web-XXXXXX")
    cp examples/rectangular-array.tvc "$folder/p.tvc"
    (
      cd "$folder"
      [ "$deleted" != deleted ] || rm -r "$folder"
      set +e
      env -i "${program[@]}" "$@" >"$work/$name/$side.out" 2>"$work/$name/$side.err"
      echo $? >"$work/$name/$side.status"
    )
    rm -rf "$folder"
  done
  local part
  for part in out err status; do
    cmp -s "$work/$name/linux.$part" "$work/$name/node.$part" || {
      echo "tessivane-calc.mjs differs from the Linux program ($name, standard $part):" >&2
      diff "$work/$name/linux.$part" "$work/$name/node.$part" | head -c 2000 >&2 || true
      failed=1
    }
  done
}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  started_in in-dev-shm /dev/shm - -- --table p.tvc
  started_in in-dev-shm-save /dev/shm - -- --save --format json p.tvc
fi
started_in in-deleted-folder "${TMPDIR:-/tmp}" deleted -- --table p.tvc
started_in in-deleted-folder-version "${TMPDIR:-/tmp}" deleted -- --version

[ "$failed" -eq 0 ] || exit 1
echo "-- tessivane-calc.mjs gives the Linux program's bytes in $cases cases ($((SECONDS - start)) s)"
