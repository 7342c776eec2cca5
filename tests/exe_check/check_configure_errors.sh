#!/usr/bin/env bash
# Configures the product with payloads and signing options that cannot work and checks that the
# configure step stops with a message naming the option and the file.
#
#   check_configure_errors.sh <source dir> <work dir>
set -euo pipefail
source_dir="$1"
mkdir -p "$2"
work="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/pass_fail.sh"
files="$work/files"
rm -rf "$files"
mkdir -p "$files/folder"
: >"$files/empty.exe"
printf 'hello' >"$files/text.exe"
printf 'M' >"$files/one-byte.exe"
printf 'MZ' >"$files/Ralvt.exe"
printf 'x' >"$files/cert.pem"

# configure_fails_saying <expected message part> <cmake options...>: the configure step must fail
# and say it.
configure_fails_saying() {
  local expected="$1"
  shift
  local rc=0
  (cd "$source_dir" && cmake --preset win32 -B "$work/build" -DUPDATER_PAYLOAD= -DUPDATER_SIGN_CERT= \
    -DUPDATER_SIGN_KEY= -DUPDATER_SIGN_PKCS12= -DUPDATER_SIGN_PASSWORD_FILE= -DUPDATER_SIGN_TIMESTAMP_URL= \
    "$@") >"$work/configure.log" 2>&1 || rc=$?
  tail -15 "$work/configure.log"
  echo "(exit $rc; expected: $expected)"
  # CMake folds long messages: join the lines before looking for the text.
  [ "$rc" -ne 0 ] && tr -s '\n ' ' ' <"$work/configure.log" | grep -qF -- "$expected"
}
# rejects <name> <expected message part> <cmake options...>
rejects() {
  local name="$1"
  shift
  check "$name" configure_fails_saying "$@"
}

rejects "missing payload" "UPDATER_PAYLOAD: the payload '$files/none.exe' does not exist" \
  -DUPDATER_PAYLOAD="$files/none.exe"
rejects "empty payload" "UPDATER_PAYLOAD: the payload '$files/empty.exe' is empty" \
  -DUPDATER_PAYLOAD="$files/empty.exe"
rejects "payload not starting with MZ" "UPDATER_PAYLOAD: the payload '$files/text.exe' is not a Windows executable" \
  -DUPDATER_PAYLOAD="$files/text.exe"
rejects "one-byte payload" "UPDATER_PAYLOAD: the payload '$files/one-byte.exe' is not a Windows executable" \
  -DUPDATER_PAYLOAD="$files/one-byte.exe"
rejects "payload that is a folder" "UPDATER_PAYLOAD: the payload '$files/folder' is a folder" \
  -DUPDATER_PAYLOAD="$files/folder"
rejects "certificate without key" "UPDATER_SIGN_KEY is missing" -DUPDATER_SIGN_CERT="$files/cert.pem"
rejects "missing key file" "UPDATER_SIGN_KEY: the file '$files/key.pem' does not exist" \
  -DUPDATER_SIGN_CERT="$files/cert.pem" -DUPDATER_SIGN_KEY="$files/key.pem"
rejects "missing PKCS#12 file" "UPDATER_SIGN_PKCS12: the file '$files/signer.p12' does not exist" \
  -DUPDATER_SIGN_PKCS12="$files/signer.p12"
rejects "PKCS#12 and a certificate at once" "UPDATER_SIGN_PKCS12 replaces UPDATER_SIGN_CERT" \
  -DUPDATER_SIGN_PKCS12="$files/cert.pem" -DUPDATER_SIGN_CERT="$files/cert.pem"
rejects "time stamp without certificate" "need a certificate" -DUPDATER_SIGN_TIMESTAMP_URL=http://127.0.0.1:9

# The checks look at the file, not at its name: a two-byte "MZ" file passes them. Replaced after
# the configure step by something else, it is checked again before the next build embeds it.
accepts_then_rechecks() {
  (cd "$source_dir" && cmake --preset win32 -B "$work/build" -DUPDATER_PAYLOAD="$files/Ralvt.exe" \
    -DUPDATER_SIGN_TIMESTAMP_URL=) || return 1
  printf 'XX' >"$files/Ralvt.exe"
  cmake --build "$work/build" --target UpTK294Q >"$work/build.log" 2>&1 && return 1
  cat "$work/build.log"
  tr -s '\n ' ' ' <"$work/build.log" |
    grep -qF "UPDATER_PAYLOAD: the payload '$files/Ralvt.exe' is not a Windows executable"
}
check "an MZ payload is accepted, and checked again when replaced" accepts_then_rechecks

report
