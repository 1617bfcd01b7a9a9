#!/usr/bin/env bash
# Reads the application manifest (resource 1 of type 24) back from each program named and
# checks that it asks for what every Fenwix program asks for.
#   manifest_test.sh PROGRAM.exe...
set -euo pipefail

# What the manifest holds: a description, then the text it must contain once its lines are
# joined and its runs of blanks made one space.
expected=(
  "the common controls, version 6"
  '<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>'
  "per-monitor v2 DPI awareness"
  '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>'
  "per-monitor DPI awareness before Windows 10 1703"
  '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>'
  "Windows Vista as a supported system"
  '<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>'
  "Windows 7 as a supported system"
  '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>'
  "Windows 8 as a supported system"
  '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>'
  "Windows 8.1 as a supported system"
  '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>'
  "Windows 10 and 11 as supported systems"
  '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'
)

[ $# -gt 0 ] || { echo "usage: manifest_test.sh PROGRAM.exe..." >&2; exit 2; }
command -v wrestool >/dev/null || { echo "FAIL: wrestool (Debian's icoutils) is missing" >&2; exit 1; }
failures=0
for program in "$@"; do
  name=$(basename "$program")
  before=$failures
  manifest=$(wrestool -x --raw --type=24 --name=1 "$program" 2>/dev/null | tr -s ' \t\r\n' ' ' || true)
  if [ -z "$manifest" ]; then
    echo "FAIL: expected a manifest (resource 1 of type 24) in $name, found none" >&2
    failures=$((failures + 1))
    continue
  fi
  for ((i = 0; i < ${#expected[@]}; i += 2)); do
    if [[ "$manifest" != *"${expected[i + 1]}"* ]]; then
      echo "FAIL: expected $name's manifest to declare ${expected[i]}: ${expected[i + 1]}" >&2
      failures=$((failures + 1))
    fi
  done
  [ "$failures" -gt "$before" ] || echo "manifest test: $name's manifest holds every entry"
done
[ "$failures" -eq 0 ]
