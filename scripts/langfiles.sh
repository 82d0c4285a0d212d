#!/usr/bin/env bash
# Writes the sample installation's language files of the sample form from its description:
# MultiLanguage/CHS (GB2312), CHT (BIG5 through Kvlanguage) and ENG (from Conditions.ENG.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" release >/dev/null
export PAVANE_LIBRARY_PATH="$root/build/release/outside"
tool="$root/build/release/tools/pavane-langfile"
form="$root/sample/forms/Conditions.dfm"
out="$root/sample/installation/client/MultiLanguage"
mkdir -p "$out/CHS" "$out/CHT" "$out/ENG"
"$tool" "$form" CHS "$out/CHS/TfrmConditions.Lng"
"$tool" "$form" CHT "$out/CHT/TfrmConditions.Lng"
"$tool" "$form" ENG "$out/ENG/TfrmConditions.Lng" "$root/sample/forms/Conditions.ENG.txt"
