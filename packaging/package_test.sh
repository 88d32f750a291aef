#!/bin/sh
# Builds the .deb, unpacks it into a scratch root and starts the unpacked program headless
# through its launcher, as the desktop entry would. Exit 77 (skipped) without cpack or dpkg.
#   package_test.sh BUILD-DIR SCRATCH-DIR
set -u
build=$1
scratch=$2

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (install cmake and dpkg-dev)"
    exit 77
  fi
done

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf -- "$scratch"
mkdir -p -- "$scratch"
scratch=$(cd -- "$scratch" && pwd -P)
(cd -- "$build" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) || {
  cat "$scratch/cpack.log"
  echo "FAIL: cpack did not make the package"
  exit 1
}
deb=$(ls "$scratch"/pkg/kolvard_7.03_*.deb 2>/dev/null)
[ -f "$deb" ] || { echo "FAIL: no kolvard_7.03_*.deb in $scratch/pkg"; exit 1; }
datadeb=$scratch/pkg/kolvard-data-sample_7.03_all.deb
[ -f "$datadeb" ] || { echo "FAIL: no kolvard-data-sample_7.03_all.deb in $scratch/pkg"; exit 1; }

# The programs' package holds the two programs, the launcher, the PDF module, the desktop entry,
# the icons, the manual pages and the documents; the data file is in a package of its own. Nothing
# else (no tests, benchmarks or other libraries).
listed() {  # DEB OUT
  mkdir -p "$scratch/one" && dpkg-deb -x "$1" "$scratch/one" &&
    (cd "$scratch/one" && find . -type f | sort) >"$2" && rm -rf "$scratch/one"
}
listed "$deb" "$scratch/files.txt"
cat >"$scratch/expected.txt" <<'LIST'
./usr/bin/kolvard
./usr/bin/kolvard-data
./usr/bin/kolvard-launcher
./usr/lib/kolvard/kolvard-pdf.so
./usr/share/applications/kolvard.desktop
./usr/share/doc/kolvard/changelog.gz
./usr/share/doc/kolvard/copyright
./usr/share/icons/hicolor/128x128/apps/kolvard.png
./usr/share/icons/hicolor/256x256/apps/kolvard.png
./usr/share/icons/hicolor/48x48/apps/kolvard.png
./usr/share/icons/hicolor/64x64/apps/kolvard.png
./usr/share/man/man1/kolvard-data.1.gz
./usr/share/man/man1/kolvard-launcher.1.gz
./usr/share/man/man1/kolvard.1.gz
LIST
diff "$scratch/expected.txt" "$scratch/files.txt" || fail "the package holds other files"
listed "$datadeb" "$scratch/datafiles.txt"
printf '%s\n' ./usr/share/doc/kolvard-data-sample/changelog.gz \
  ./usr/share/doc/kolvard-data-sample/copyright ./usr/share/kolvard/KOL703.dat \
  >"$scratch/dataexpected.txt"
diff "$scratch/dataexpected.txt" "$scratch/datafiles.txt" || fail "the data package holds other files"
for field in "Package: kolvard" "Version: 7.03" "Depends:.*libsdl2" "Depends:.*libpng" \
             "Depends:.*libqpdf" "Depends:.*kolvard-data-sample (= 7.03)"; do
  dpkg-deb -f "$deb" | grep -q "^$field" || fail "no '$field' in the control file"
done
dpkg-deb -f "$datadeb" Architecture | grep -qx all || fail "the data package is not Architecture: all"

# lintian: no error, and no warning but the one CPack's ldconfig call gives (the PDF module in
# /usr/lib/kolvard needs none; CPack adds it for any .so below /usr/lib).
if command -v lintian >/dev/null; then
  lintian "$deb" "$datadeb" >"$scratch/lintian.txt" 2>&1
  if grep -E '^[EW]: ' "$scratch/lintian.txt" | grep -v ': maintscript-calls-ldconfig '; then
    fail "lintian finds the tags above"
  fi
else
  echo "lintian is not installed: the packages are not checked with it"
fi

dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -x "$datadeb" "$scratch/root"
root=$scratch/root

launcher=$root/usr/bin/kolvard-launcher
installed=$(readlink -f "$root/usr/share/kolvard/KOL703.dat")

# First start: the user's folder is made under XDG_DATA_HOME with a link to the installed data
# file, and the program runs there.
folder=$scratch/xdg/kolvard
HOME=$scratch/home XDG_DATA_HOME=$scratch/xdg "$launcher" --headless --keys 'state:s.json' \
  >"$scratch/run1.log" 2>&1 || fail "the first start failed: $(cat "$scratch/run1.log")"
grep -q '"screen": "front"' "$folder/s.json" 2>/dev/null || fail "no state dump in $folder"
[ -L "$folder/KOL703.dat" ] && [ "$(readlink -f "$folder/KOL703.dat")" = "$installed" ] ||
  fail "$folder/KOL703.dat is not a link to the installed file"

# Without XDG_DATA_HOME the folder is ~/.local/share/kolvard.
env -u XDG_DATA_HOME HOME="$scratch/home" "$launcher" --headless --keys 'state:s.json' \
  >/dev/null 2>&1 || fail "the start without XDG_DATA_HOME failed"
[ -f "$scratch/home/.local/share/kolvard/s.json" ] || fail "no state dump in ~/.local/share"

# A data file the user put there himself stays his.
mine=$scratch/mine/kolvard
mkdir -p "$mine"
cp "$installed" "$mine/KOL703.dat"
XDG_DATA_HOME=$scratch/mine "$launcher" --headless --keys 'state:s.json' >/dev/null 2>&1 ||
  fail "the start with the user's own data file failed"
[ -f "$mine/KOL703.dat" ] && [ ! -L "$mine/KOL703.dat" ] || fail "the user's data file was replaced"

# The installed program finds its PDF module in the library folder.
(cd "$mine" && "$root/usr/bin/kolvard" export sheet P 4s 1 A --pdf-only >"$scratch/pdf.log" 2>&1) ||
  fail "no PDF from the installed program: $(cat "$scratch/pdf.log")"
[ -s "$mine/#P4s1A.PDF" ] || fail "the installed program wrote no #P4s1A.PDF"

# Outside any folder with a data file, an export reads the installed one and writes here.
mkdir -p "$scratch/elsewhere"
(cd "$scratch/elsewhere" && XDG_DATA_DIRS=/nonexistent "$root/usr/bin/kolvard" export sheet P 4s 1 A \
  >"$scratch/elsewhere.log" 2>&1) || fail "no export outside the data folder: $(cat "$scratch/elsewhere.log")"
[ -s "$scratch/elsewhere/#P4s1A.BMP" ] || fail "the export outside the data folder wrote no #P4s1A.BMP"

# Every program answers --help and --version.
for program in kolvard kolvard-data kolvard-launcher; do
  "$root/usr/bin/$program" --help >"$scratch/help.txt" 2>&1 && grep -q "^Usage: $program" "$scratch/help.txt" ||
    fail "$program --help: $(head -3 "$scratch/help.txt")"
  "$root/usr/bin/$program" --version | grep -q "^$program (Kolvard) 7.03$" || fail "$program --version"
done

# Without the installed data file the launcher says so and starts nothing.
mv "$root/usr/share/kolvard/KOL703.dat" "$scratch/away.dat"
if XDG_DATA_HOME=$scratch/none "$launcher" --headless --keys 'state:s.json' \
  >"$scratch/missing.log" 2>&1; then
  fail "the launcher succeeded without the data file"
fi
grep -q "KOL703.dat is missing" "$scratch/missing.log" ||
  fail "no clear message for the missing data file: $(cat "$scratch/missing.log")"
[ ! -e "$scratch/none/kolvard/s.json" ] || fail "the program ran without the data file"

[ "$failures" -eq 0 ] || exit 1
echo "package test passed: $(basename "$deb")"
