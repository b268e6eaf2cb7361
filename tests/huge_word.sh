#!/bin/sh
# A word of 1 GiB for the information word and another for the error pattern, read under a
# 64 MiB address-space limit (under qemu-arm, a limit of 64 MiB resident): the program must
# keep only the first characters of a word.
# Usage: huge_word.sh PROGRAM [EMULATOR [OPTIONS]]: with qemu-user's command line after it, the
# program runs emulated.
set -eu
program=$1
shift
limit_kib=65536
peak_file=
if [ $# -eq 0 ]; then
    ulimit -v $limit_kib
else
    case ${1##*/} in
    qemu-arm | qemu-arm-static | qemu-armeb | qemu-armeb-static)
        # 32-bit ARM: qemu keeps the page of the kernel's helpers at 0xffff0000 for the program,
        # so it cannot reserve less than its whole 4 GiB of addresses (qemu 7.2 aborts at any
        # -R below that). Here the same 64 MiB bounds the emulator's peak resident memory, the
        # program's included: a program that kept a word would hold it resident.
        command -v /usr/bin/time >/dev/null || { echo "needs GNU time (Debian: time)"; exit 1; }
        peak_file=$(mktemp)
        trap 'rm -f "$peak_file"' EXIT
        set -- /usr/bin/time -f %M -o "$peak_file" "$@"
        ;;
    *)
        # A ulimit would bound the emulator, whose code cache alone takes 128 MiB of addresses.
        # -R makes qemu reserve 64 MiB of addresses for the emulated program and map all of it
        # there: its code, loader and C library, stack and heap. That leaves it less room than
        # the native limit does.
        set -- "$@" -R 64M
        ;;
    esac
fi
output=$({
    head -c 1073741824 /dev/zero | tr '\0' 1
    printf ' rest of the line\n'
    head -c 1073741824 /dev/zero | tr '\0' 0
    printf '\n'
} | "$@" "$program")
if [ -n "$peak_file" ]; then
    peak=$(tail -n 1 "$peak_file")
    echo "peak resident memory of the emulator and the program: $peak KiB"
    [ "$peak" -lt $limit_kib ] || { echo "over $limit_kib KiB"; exit 1; }
fi
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
