#!/bin/sh
# Writes a help2man include file with each command's own --help, as roff.
set -eu
program=$1
echo "[COMMANDS]"
for command in length weight knives batch; do
  echo ".SS $command"
  echo ".nf"
  "$program" "$command" --help | sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\\&&/"
  echo ".fi"
done
