#!/bin/sh
# Authenticode-signs a Windows program in place (SHA-256), without a time stamp: nothing here
# reaches a time-stamping server. Usage: authenticode-sign.sh CERT KEY FILE
set -eu
osslsigncode sign -certs "$1" -key "$2" -h sha256 -n "Velmora (ScreenSaver)" \
  -in "$3" -out "$3.signed" >/dev/null
mv "$3.signed" "$3"
