#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 programs; otherwise prints why and exits 1.
# A real check: a tiny 32-bit program is assembled and started (some kernels refuse them).
set -euo pipefail
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$probe/exit.s"
as --32 -o "$probe/exit.o" "$probe/exit.s"
ld -m elf_i386 -o "$probe/exit" "$probe/exit.o"
if reason=$("$probe/exit" 2>&1); then
  exit 0
fi
echo "this machine does not run 32-bit programs: ${reason##*: }"
exit 1
