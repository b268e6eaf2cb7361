#!/bin/sh
# Runs one of the web page's Node test files against the built site ($1: site folder, $2: test
# file). Exit status 77 where node, or for the browser test chromium or the project's npm
# packages (npm ci), are missing; BCH_REQUIRE_WEB=1 makes that a failure.
site=$1
tests=$2
skip() {
    echo "skipped: $1"
    if [ "${BCH_REQUIRE_WEB:-0}" = 1 ]; then exit 1; fi
    exit 77
}
command -v node >/dev/null || skip "node is not installed"
case $tests in
*browser*)
    CHROMIUM=${CHROMIUM:-$(command -v chromium)} || skip "chromium is not installed"
    export CHROMIUM
    [ -d "$(dirname "$0")/../../node_modules/puppeteer-core" ] || skip "no puppeteer-core: run npm ci"
    ;;
esac
BCH_SITE=$site exec node --test "$tests"
