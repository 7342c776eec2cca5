#!/usr/bin/env bash
# Builds the product signed, once with a certificate and key file and once with a PKCS#12 file
# and a password, using a throwaway self-signed certificate, and checks each result: the
# signature verifies, a changed byte breaks it, the exe still carries the payload byte for byte
# and imports what the unsigned build imports, and without its signature it is the unsigned
# build, built in another folder, except the checksum field.
#
#   check_signing.sh <source dir> <work dir> <unsigned exe> <payload> <build version>
set -euo pipefail
source_dir="$1" unsigned="$3" payload="$4" version="$5"
mkdir -p "$2"
work="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/pass_fail.sh"

rm -rf "$work/keys"
mkdir -p "$work/keys"
keys="$work/keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kerovana test signer" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null
printf 'throwaway-%s\n' "$RANDOM" >"$keys/password.txt"
openssl pkcs12 -export -in "$keys/cert.pem" -inkey "$keys/key.pem" -passout "file:$keys/password.txt" \
  -out "$keys/signer.p12"

build="$work/build"
exe="$build/UpTK294Q.exe"
verify() { osslsigncode verify -CAfile "$keys/cert.pem" -in "$1"; }
tampered_fails() {
  python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[0x400] ^= 1; open(sys.argv[2], "wb").write(d)' \
    "$exe" "$work/tampered.exe"
  ! verify "$work/tampered.exe"
}

# The given exe without a signature, should its build be a signed one.
reference="$work/reference.exe"
osslsigncode remove-signature -in "$unsigned" -out "$reference" >/dev/null 2>&1 || cp "$unsigned" "$reference"
signature_removed_is_unsigned() {
  rm -f "$work/removed.exe"
  osslsigncode remove-signature -in "$exe" -out "$work/removed.exe" &&
    python3 "$here/same_exe.py" --except-checksum "$reference" "$work/removed.exe"
}

configure_and_build() {  # configure_and_build <cmake options...>
  (cd "$source_dir" && cmake --preset win32 -B "$build" "$@") &&
    cmake --build "$build" --target UpTK294Q -j "$(nproc)"
}

signed_build() {  # signed_build <label> <signing options...>
  local label="$1"
  shift
  check "$label: configure and build" configure_and_build \
    -DUPDATER_PAYLOAD="$payload" -DUPDATER_BUILD_VERSION="$version" "$@"
  check "$label: osslsigncode verify" verify "$exe"
  check "$label: one changed byte breaks the signature" tampered_fails
  check "$label: payload, imports and the rest of the exe" \
    python3 "$here/check_exe.py" "$exe" "$payload" "$version" signed "$unsigned"
  check "$label: without its signature, the unsigned exe except the checksum field" signature_removed_is_unsigned
}

signed_build "certificate and key" -DUPDATER_SIGN_PKCS12= -DUPDATER_SIGN_PASSWORD_FILE= \
  -DUPDATER_SIGN_CERT="$keys/cert.pem" -DUPDATER_SIGN_KEY="$keys/key.pem"
signed_build "PKCS#12 with a password" -DUPDATER_SIGN_CERT= -DUPDATER_SIGN_KEY= \
  -DUPDATER_SIGN_PKCS12="$keys/signer.p12" -DUPDATER_SIGN_PASSWORD_FILE="$keys/password.txt"

# A signing that fails must fail the build and leave no unsigned exe in the product's place.
printf 'wrong\n' >"$keys/wrong.txt"
wrong_password_fails() {
  ! configure_and_build -DUPDATER_SIGN_PASSWORD_FILE="$keys/wrong.txt" && [ ! -e "$exe" ]
}
check "a wrong password fails the build and removes the exe" wrong_password_fails

report
