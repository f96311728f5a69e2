#!/usr/bin/env bash
# Every file stored with CR LF is marked -text in .gitattributes, so that no
# git setting (core.autocrlf, core.eol) converts it on checkout or commit.
set -euo pipefail
cd "$(dirname "$0")/../.."
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout: nothing to check"; exit 0; }
unmarked=$(git ls-files --eol | awk '$1 ~ /crlf|mixed/ && $3 != "attr/-text" {print $NF}')
[[ -z $unmarked ]] || { echo "stored with CR LF but not marked -text in .gitattributes:"; echo "$unmarked"; exit 1; }
echo "$(git ls-files --eol | awk '$1 ~ /crlf/' | wc -l) CR LF files kept as stored"
