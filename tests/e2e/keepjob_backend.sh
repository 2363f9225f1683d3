#!/usr/bin/env bash
# A CUPS backend that prints nothing: it keeps each job's document and title in the folder named by
# its device URI (keepjob:/folder), so that a test can read back what the spooler was handed.
set -euo pipefail

if [ $# -eq 0 ]; then
    # Device discovery: no devices to offer, only the scheme.
    echo 'direct keepjob "Unknown" "Keeps each job for tests"'
    exit 0
fi
if [ $# -lt 5 ]; then
    echo "ERROR: usage: keepjob job-id user title copies options [file]" >&2
    exit 1
fi

job=$1
title=$3
folder=${DEVICE_URI#keepjob:}
if [ ! -d "$folder" ]; then
    echo "ERROR: no folder $folder for the kept jobs" >&2
    exit 1
fi

# Written under temporary names and renamed, so a reader never sees half a job; the marker goes last.
cat "${6:-/dev/stdin}" >"$folder/.job-$job.pdf"
printf '%s' "$title" >"$folder/.job-$job.title"
mv "$folder/.job-$job.pdf" "$folder/job-$job.pdf"
mv "$folder/.job-$job.title" "$folder/job-$job.title"
: >"$folder/job-$job.done"
echo "INFO: kept job $job" >&2
exit 0
