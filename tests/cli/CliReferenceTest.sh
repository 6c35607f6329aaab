#!/bin/bash
# The man page and the completion script the build wrote from the command
# definitions: every command of "korvant-cli NO-SUCH-COMMAND"'s list has an
# entry in the man page, the script is valid bash and completes command words,
# actions and options.
# Usage: CliReferenceTest.sh KORVANT-CLI MAN-PAGE COMPLETION
set -u
cli=$1 man=$2 completion=$3
fail() { echo "FAIL: $*"; exit 1; }

[ -s "$man" ] || fail "no man page at $man"
commands=$("$cli" no-such-command 2>&1 >/dev/null | sed -n 's/^  //p')
[ "$(echo "$commands" | wc -l)" -gt 40 ] || fail "the list of commands: $commands"
while IFS= read -r command; do
    grep -qx ".B ${command//-/\\\\-}" "$man" || fail "\"$command\" missing from the man page"
done <<<"$commands"
for section in 名称 概要 全局选项 命令 环境变量 退出状态; do
    grep -qx "\.SH $section" "$man" || fail "no section $section"
done
if command -v groff >/dev/null; then
    warnings=$(groff -k -man -Tutf8 -ww -Wbreak -z "$man" 2>&1 | head -5)
    [ -z "$warnings" ] || fail "groff: $warnings"
fi

bash -n "$completion" || fail "the completion script is not valid bash"
# shellcheck disable=SC1090
source "$completion"
complete_line() {  # the words of a line; the last one is completed
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _korvant_cli
    echo "${COMPREPLY[*]}"
}
check() {  # expected reply, then the words
    local expected=$1
    shift
    local got
    got=$(complete_line "$@")
    [ "$got" = "$expected" ] || fail "completing '$*': '$got', expected '$expected'"
}
check "subaccount" korvant-cli subacc
check "list links link" korvant-cli --host h --port 1 mainaccount li
check "--group" korvant-cli subaccount list --grou
check "--all" korvant-cli --al
check "json" korvant-cli --format j
check "batch" korvant-cli statement ba
echo "man page and completion: ok"
