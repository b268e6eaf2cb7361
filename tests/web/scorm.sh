#!/bin/sh
# The SCORM 1.2 package of the web build ($1: the build folder, which holds
# bch-VERSION-scorm12.zip and bch.html), unpacked as a learning platform unpacks it.
#   $2 = manifest  imsmanifest.xml parses (xmllint), names every file in the ZIP and nothing
#                  else, has one SCO launched by a file of the ZIP, states the mastery score of
#                  web/practice/progress.js, and the launch page is the web build's bch.html
#   $2 = chromium  the package under scorm-again in chromium (scorm.test.js, through run.sh)
# Exit status 77 where unzip, xmllint, the npm packages or the package itself (not made without
# zip) are missing; BCH_REQUIRE_WEB=1 makes that a failure.
build=$1
here=$(dirname "$0")
skip() {
    echo "skipped: $1"
    if [ "${BCH_REQUIRE_WEB:-0}" = 1 ]; then exit 1; fi
    exit 77
}
fail() {
    echo "FAIL: $1"
    exit 1
}
command -v unzip >/dev/null || skip "unzip is not installed"
set -- "$build"/bch-*-scorm12.zip "$2"
[ -f "$1" ] || skip "no bch-*-scorm12.zip in $build (made where zip is installed)"
package=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$package" -d "$work" || fail "unzip cannot unpack $package"

case $2 in
manifest)
    command -v xmllint >/dev/null || skip "xmllint is not installed (Debian: libxml2-utils)"
    manifest=$work/imsmanifest.xml
    xmllint --noout "$manifest" || fail "imsmanifest.xml does not parse"
    # XPath without the namespaces' prefixes: local-name() matches in any of them.
    value() { xmllint --xpath "$1" "$manifest"; }
    named=$( (echo imsmanifest.xml
        value '//*[local-name()="file"]/@href' | sed -n 's/^ *href="\([^"]*\)"$/\1/p') |
        LC_ALL=C sort)
    packed=$(unzip -Z1 "$package" | LC_ALL=C sort)
    oneLine() { echo "$1" | tr '\n' ' ' | sed 's/ $//'; }
    [ "$named" = "$packed" ] ||
        fail "the manifest names [$(oneLine "$named")], the ZIP holds [$(oneLine "$packed")]"
    [ "$(value 'string(//*[local-name()="schemaversion"])')" = 1.2 ] || fail "not SCORM 1.2"
    sco='//*[local-name()="resource"][@*[local-name()="scormtype"]="sco"]'
    [ "$(value "count($sco)")" = 1 ] || fail "not one SCO"
    launch=$(value "string($sco/@href)")
    echo "$packed" | grep -qx "$launch" || fail "the launch page $launch is not in the ZIP"
    item=$(value 'string(//*[local-name()="item"]/@identifierref)')
    [ "$item" = "$(value "string($sco/@identifier)")" ] || fail "the item launches no SCO"
    passing=$(sed -n 's/^export const PASSING_SCORE = \([0-9]*\);$/\1/p' "$here/../../web/practice/progress.js")
    mastery=$(value 'string(//*[local-name()="masteryscore"])')
    if [ -z "$passing" ] || [ "$mastery" != "$passing" ]; then
        fail "mastery score $mastery, PASSING_SCORE $passing"
    fi
    cmp "$work/$launch" "$build/bch.html" || fail "the launch page is not the built bch.html"
    echo "imsmanifest.xml: files [$(oneLine "$packed")], launch $launch, mastery score $mastery"
    ;;
chromium)
    [ -d "$here/../../node_modules/scorm-again" ] || skip "no scorm-again: run npm ci"
    BCH_SCORM=$work sh "$here/run.sh" "$build" "$here/scorm.test.js" chromium
    ;;
*)
    fail "usage: scorm.sh BUILD manifest|chromium"
    ;;
esac
