#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over every translation unit of
# src/ and tools/ in BUILD_DIR's compile_commands.json, several at a time, and
# fails when it reports anything. Headers of src/ and tools/ are checked
# through the units that include them; a finding in a header shows once.
#
#   scripts/run-clang-tidy.sh BUILD_DIR
#
# A unit found clean is remembered under
# ${XDG_CACHE_HOME:-$HOME/.cache}/vqchanneleditor-clang-tidy, keyed by the
# clang-tidy version, .clang-tidy, the compile command and the preprocessed
# source (which holds every header), so an unchanged unit is not checked
# again. Paths of the checkout and the build folder are left out of the key,
# so another checkout of the same sources shares the results.
#
# CLANG_TIDY names the program (default clang-tidy-14); VQ_TIDY_JOBS the
# number of units checked at once (default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: run-clang-tidy.sh BUILD_DIR}
[ -f "$build/compile_commands.json" ] ||
  { echo "run-clang-tidy: $build/compile_commands.json not found (configure first)" >&2; exit 2; }

export VQ_TIDY_ROOT=$PWD
export VQ_TIDY_BUILD=$build
export VQ_TIDY_PROGRAM=${CLANG_TIDY:-clang-tidy-14}
export VQ_TIDY_JOBS=${VQ_TIDY_JOBS:-$(nproc)}
export VQ_TIDY_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/vqchanneleditor-clang-tidy

python3 - <<'PY'
import atexit
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

root = os.path.realpath(os.environ["VQ_TIDY_ROOT"])
build = os.path.realpath(os.environ["VQ_TIDY_BUILD"])
program = os.environ["VQ_TIDY_PROGRAM"]
jobs = max(1, int(os.environ["VQ_TIDY_JOBS"]))
cache = os.environ["VQ_TIDY_CACHE"]
# Results unused for this long are dropped, so the cache does not grow
# with every edit ever checked.
cache_days = 30


def inside(path, folder):
    return path.startswith(folder + os.sep)


def checked(path):
    """A source file of src/ or tools/, not one generated into the build."""
    if inside(path, build):
        return False
    return inside(path, os.path.join(root, "src")) or inside(path, os.path.join(root, "tools"))


def anonymous(text):
    """TEXT with the build folder and the checkout named by placeholders."""
    return text.replace(build, "@BUILD@").replace(root, "@ROOT@")


with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
    database = json.load(f)

# One entry a file: a file a test target compiles again is checked with the
# flags of its own library or program.
units = {}
for entry in database:
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    if not checked(path):
        continue
    own = not re.match(r"(tests|bench|fuzz)/", entry.get("output", ""))
    if path not in units or own and not units[path][1]:
        units[path] = (entry, own)
units = {path: entry for path, (entry, _) in sorted(units.items())}
if not units:
    sys.exit(f"run-clang-tidy: no units of src/ or tools/ in {build}/compile_commands.json")

workdir = tempfile.mkdtemp(prefix="vq-clang-tidy-")
atexit.register(shutil.rmtree, workdir, True)
with open(os.path.join(workdir, "compile_commands.json"), "w", encoding="utf-8") as f:
    json.dump(list(units.values()), f)
# Every unit is checked with the configuration as it was at the start, the
# one its result is stored under.
with open(os.path.join(root, ".clang-tidy"), "rb") as f:
    config = f.read()
with open(os.path.join(workdir, "clang-tidy.yaml"), "wb") as f:
    f.write(config)
# Headers of the checkout's src/ and tools/ only; clang-tidy reads the
# filter as a POSIX extended expression.
headers = "/(src|tools)/"
options = ["-p", workdir, "--config-file=" + os.path.join(workdir, "clang-tidy.yaml"), "--quiet",
           "--warnings-as-errors=*"]
header_filter = "--header-filter=^" + re.sub(r"([.^$*+?()\[\]{}|\\])", r"\\\1", root) + headers

version = subprocess.run([program, "--version"], check=True, capture_output=True).stdout
# What every unit's result depends on besides its own command and source.
common = hashlib.sha256()
for part in (version, config, headers.encode(), " ".join(options[3:]).encode()):
    common.update(part)
    common.update(b"\0")
os.makedirs(cache, exist_ok=True)


def arguments(entry):
    if "arguments" in entry:
        return list(entry["arguments"])
    return shlex.split(entry["command"])


def preprocessed(entry):
    """The unit's source with every header expanded, as its compile sees it."""
    args = arguments(entry)
    kept = []
    skip = False
    for arg in args:
        if skip:
            skip = False
        elif arg == "-o":
            skip = True
        elif arg != "-c" and not arg.startswith("-o"):
            kept.append(arg)
    run = subprocess.run(kept + ["-E", "-o", "-"], cwd=entry["directory"], capture_output=True)
    if run.returncode != 0:
        return None
    return run.stdout


def key(entry):
    source = preprocessed(entry)
    if source is None:
        return None
    digest = common.copy()
    digest.update(anonymous(shlex.join(arguments(entry))).encode())
    digest.update(b"\0")
    digest.update(anonymous(source.decode("utf-8", "surrogateescape")).encode("utf-8", "surrogateescape"))
    return digest.hexdigest()


def check(path):
    """(path, from cache, output); output is empty for a clean unit."""
    entry = units[path]
    name = key(entry)
    stamp = os.path.join(cache, name) if name else None
    if stamp and os.path.exists(stamp):
        os.utime(stamp)
        return path, True, ""
    run = subprocess.run([program, *options, header_filter, path],
                         capture_output=True, text=True, errors="replace")
    output = run.stdout
    if run.returncode != 0 and not output.strip():
        output = run.stderr or f"{path}: clang-tidy exited with {run.returncode}\n"
    if run.returncode == 0 and not output.strip() and stamp:
        with open(stamp, "w", encoding="utf-8") as f:
            f.write(os.path.relpath(path, root) + "\n")
        return path, False, ""
    return path, False, output


diagnostic = re.compile(r"^\S.*:\d+:\d+: (warning|error): ")


def findings(output):
    """OUTPUT split into one block a finding, its notes and source lines with it."""
    blocks = []
    for line in output.splitlines(keepends=True):
        if diagnostic.match(line) or not blocks:
            blocks.append(line)
        else:
            blocks[-1] += line
    return [b for b in blocks if diagnostic.match(b)] or ([output] if output.strip() else [])


started = time.monotonic()
seen = set()
cached = 0
failed_units = 0
with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
    for path, hit, output in pool.map(check, units):
        cached += hit
        if not output:
            continue
        failed_units += 1
        for block in findings(output):
            if block not in seen:
                seen.add(block)
                sys.stdout.write(block)
        sys.stdout.flush()

now = time.time()
for name in os.listdir(cache):
    stamp = os.path.join(cache, name)
    if now - os.path.getmtime(stamp) > cache_days * 86400:
        os.remove(stamp)

seconds = time.monotonic() - started
summary = (f"run-clang-tidy: {len(units)} units ({cached} unchanged since a clean check), "
           f"{seconds:.0f} s")
if seen or failed_units:
    sys.exit(f"{summary}: {len(seen)} findings in {failed_units} units")
print(f"{summary}: no findings")
PY
