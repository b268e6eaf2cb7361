#!/bin/sh
# A word of 1 GiB for the information word and another for the error pattern, read under a
# 64 MiB address-space limit: the program must keep only the first characters of a word.
set -eu
program=$1
ulimit -v 65536
output=$({
    head -c 1073741824 /dev/zero | tr '\0' 1
    printf ' rest of the line\n'
    head -c 1073741824 /dev/zero | tr '\0' 0
    printf '\n'
} | "$program")
expected="Zakodowany ciag (wektor kodowy): 1111111111111111111111111111111
                                            _______________________________
Podaj blad wprowadzony do wektora kodowego: Odebrany ciag: 1111111111111111111111111111111"
case $output in
*"$expected"*) ;;
*)
    printf 'unexpected output:\n%s\n' "$output"
    exit 1
    ;;
esac
