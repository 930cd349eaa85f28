#!/usr/bin/env bash
# Makes throw-away TLS material for the mail tests in the directory $1:
#   ca.pem                      a test CA (trusted only through TINTORA_SMTP_CAFILE)
#   server.pem, server.key      for localhost and 127.0.0.1, signed by the CA
#   wrong-host.pem, .key        for wrong.example only, signed by the CA
set -euo pipefail
cd "$1"

key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1" 2>/dev/null; }

key ca.key
openssl req -x509 -new -key ca.key -out ca.pem -days 2 -subj "/CN=Tintora Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null

issue() {
  local name=$1 common_name=$2 san=$3
  key "$name.key"
  openssl req -new -key "$name.key" -out "$name.csr" -subj "/CN=$common_name" 2>/dev/null
  printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=serverAuth\n' \
    "$san" >"$name.ext"
  openssl x509 -req -in "$name.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -out "$name.pem" -days 2 \
    -extfile "$name.ext" 2>/dev/null
}

issue server localhost "DNS:localhost,IP:127.0.0.1"
issue wrong-host wrong.example "DNS:wrong.example"
