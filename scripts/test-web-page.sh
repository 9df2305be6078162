#!/usr/bin/env bash
# Runs the browser tests of the one-file page: BUILD_DIR/tessivane.html (from
# scripts/build-web.sh BUILD_DIR) opened from file:// in headless Chromium, driven through
# puppeteer-core as pinned by web/tests/package-lock.json.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-web}
page="$build_dir/tessivane.html"
if [ ! -f "$page" ]; then
  echo "test-web-page: $page is missing; build it with scripts/build-web.sh $build_dir"
  exit 1
fi

# npm comes with some node builds and is a package of its own in Debian's; poppler-utils
# reads the printed report.
needed=(chromium poppler-utils)
command -v npm >/dev/null || needed+=(npm)
./scripts/install-packages.sh test-web-page "${needed[@]}"

echo "test-web-page: installing the pinned test packages (npm ci)"
(cd web/tests && npm ci --no-audit --no-fund --loglevel=error)

echo "test-web-page: $page in $(chromium --version 2>/dev/null || echo chromium)"
TESSIVANE_PAGE="$(realpath "$page")" CHROMIUM="$(command -v chromium)" \
  node --test web/tests/page.test.mjs
# Firefox, where the machine has it, gets the same tests.
if command -v firefox-esr >/dev/null; then
  echo "test-web-page: $page in $(firefox-esr --version 2>/dev/null)"
  TESSIVANE_PAGE="$(realpath "$page")" TESSIVANE_BROWSER=firefox FIREFOX="$(command -v firefox-esr)" \
    node --test web/tests/page.test.mjs
fi
