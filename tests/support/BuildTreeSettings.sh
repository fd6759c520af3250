#!/bin/sh
# BuildTreeSettings.sh note|compare <build tree> <record>
# Notes every settings file of the build tree with its inode, size and time
# of last change in <record>, or compares the build tree with the record
# and fails, naming the files, when one was written, replaced, added or
# removed since.
set -eu
mode=$1 tree=$2 record=$3

settings() {
  find "$tree" -iname '*.ini' -type f -exec stat -c '%n inode %i size %s changed %.9Z' {} + | LC_ALL=C sort
}

case $mode in
  note)
    settings > "$record"
    echo "$(wc -l < "$record") settings files noted" ;;
  compare)
    if ! settings | diff "$record" - ; then
      echo "a test wrote the settings files of the build tree above (< before, > now)" >&2
      exit 1
    fi
    echo "$(wc -l < "$record") settings files untouched" ;;
  *)
    echo "usage: $0 note|compare <build tree> <record>" >&2
    exit 2 ;;
esac
