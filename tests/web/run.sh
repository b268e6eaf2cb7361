#!/bin/sh
# Runs one of the web page's Node test files against the built page ($1: the web build folder,
# whose site/ is the site and bch.html the one-file page; $2: the test file; $3, for the
# browser test: chromium or firefox). Exit status 77 where node, the browser or the project's
# npm packages (npm ci) are missing; BCH_REQUIRE_WEB=1 makes that a failure.
build=$1
tests=$2
skip() {
    echo "skipped: $1"
    if [ "${BCH_REQUIRE_WEB:-0}" = 1 ]; then exit 1; fi
    exit 77
}
command -v node >/dev/null || skip "node is not installed"
case $3 in
chromium)
    CHROMIUM=${CHROMIUM:-$(command -v chromium)} || skip "chromium is not installed"
    export CHROMIUM
    ;;
firefox)
    FIREFOX=${FIREFOX:-$(command -v firefox-esr || command -v firefox)} ||
        skip "firefox-esr is not installed"
    export FIREFOX
    ;;
esac
if [ -n "$3" ]; then
    [ -d "$(dirname "$0")/../../node_modules/puppeteer-core" ] || skip "no puppeteer-core: run npm ci"
    [ -d "$(dirname "$0")/../../node_modules/axe-core" ] || skip "no axe-core: run npm ci"
fi
BCH_SITE=$build/site BCH_PAGE=$build/bch.html BCH_BROWSER=$3 exec node --test "$tests"
