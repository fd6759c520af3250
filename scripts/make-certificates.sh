#!/usr/bin/env bash
# Makes the certificates with which the machines of an installation reach
# each other's object servers (Platform/Com/Network.INI, [Security]).
#
#   scripts/make-certificates.sh authority FOLDER
#       The installation's certificate authority: FOLDER/ca.crt, which every
#       machine gets, and FOLDER/ca.key, which signs the machines'
#       certificates and stays with the administrator, on no machine of the
#       installation.
#   scripts/make-certificates.sh machine FOLDER NAME [NAME_OR_ADDRESS...]
#       A machine's certificate and key, signed by FOLDER/ca.key:
#       FOLDER/NAME.crt and FOLDER/NAME.key. The names and addresses are
#       those by which the other machines reach it (the value of PC_Quossa
#       without its port); the certificate serves as client and as server.
#
# Keys are made readable by their owner only. Nothing is overwritten.
set -euo pipefail

usage() {
  sed -n '2,17p' "$0" >&2
  exit 2
}

is_address() {
  [[ "$1" =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ || "$1" == *:* ]]
}

make_key() {
  (umask 077 && openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1" 2>/dev/null)
}

[ $# -ge 2 ] || usage
what=$1 folder=$2
shift 2
mkdir -p "$folder"

case "$what" in
  authority)
    [ ! -e "$folder/ca.key" ] || { echo "$folder/ca.key exists already" >&2; exit 1; }
    make_key "$folder/ca.key"
    openssl req -x509 -new -key "$folder/ca.key" -out "$folder/ca.crt" -days 7300 -sha256 \
      -subj "/CN=Inventari installation authority" \
      -addext "basicConstraints=critical,CA:TRUE" \
      -addext "keyUsage=critical,keyCertSign,cRLSign"
    echo "made $folder/ca.crt and $folder/ca.key"
    ;;
  machine)
    [ $# -ge 1 ] || usage
    name=$1
    [ -e "$folder/ca.key" ] || { echo "no authority in $folder: make it first" >&2; exit 1; }
    [ ! -e "$folder/$name.key" ] || { echo "$folder/$name.key exists already" >&2; exit 1; }
    alt=()
    for n in "$@"; do
      if is_address "$n"; then alt+=("IP:$n"); else alt+=("DNS:$n"); fi
    done
    extensions=$(mktemp)
    request=$(mktemp)
    trap 'rm -f "$extensions" "$request"' EXIT
    {
      echo "basicConstraints=critical,CA:FALSE"
      echo "keyUsage=critical,digitalSignature"
      echo "extendedKeyUsage=serverAuth,clientAuth"
      echo "subjectAltName=$(IFS=,; echo "${alt[*]}")"
    } > "$extensions"
    make_key "$folder/$name.key"
    openssl req -new -key "$folder/$name.key" -out "$request" -subj "/CN=$name"
    openssl x509 -req -in "$request" -CA "$folder/ca.crt" -CAkey "$folder/ca.key" \
      -set_serial "0x$(openssl rand -hex 16)" -days 3650 -sha256 \
      -extfile "$extensions" -out "$folder/$name.crt" 2>/dev/null
    echo "made $folder/$name.crt and $folder/$name.key for ${alt[*]}"
    ;;
  *)
    usage
    ;;
esac
