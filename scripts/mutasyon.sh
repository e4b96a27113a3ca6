#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation run: plants each fault of scripts/mutantlar.tsv in the program on its own, rebuilds,
# runs the test suite and records which tests catch it; the source file is restored after each.
#
#   scripts/mutasyon.sh [--yapi DIR] [--liste FILE] [--zaman-asimi S] [--sec ID,ID...] [--hepsi]
#                       [--haric CTEST-REGEX] [--ilk] RAPOR.tsv
#   scripts/mutasyon.sh --karsilastir ONCE.tsv SONRA.tsv
#
# The list has one fault a line: id, file, text as it stands in the file, the text that replaces
# it, a short description (tab-separated; '⏎' stands for a line break inside a text; lines
# starting with '#' are comments). The text must occur exactly once in its file: one that is
# missing or ambiguous is reported as such, so that the list can be kept in step with the code.
# The report gives, per fault, the tests that failed with it, "SAĞ KALDI" when none did,
# "derlenmedi" when it did not build, or the reason it was not planted. --karsilastir lists the
# faults caught in the first report but not in the second (exit status 1 when there are any).
# --sec runs only the listed faults; --haric leaves out tests that fail now and then on a busy
# machine, which would count as catching every fault. --ilk stops at the first test that
# catches a fault (the install test and the end-to-end tests run last): the report then names
# one catcher, enough to compare two reports, in a fraction of the time.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
yapi=$kok/build-mutasyon
liste=$kok/scripts/mutantlar.tsv
zamanAsimi=300 # per test: ten times the slowest test's normal time, to catch a fault that hangs
secilenler=
hepsi=0
ilk=0
haric=()

olduruldu() { [[ $1 != "SAĞ KALDI" && $1 != derlenmedi && $1 != BULUNAMADI* && $1 != "BİRDEN ÇOK"* ]]; }

if [[ ${1:-} == --karsilastir ]]; then
    (($# == 3)) || { echo "kullanım: $0 --karsilastir ONCE.tsv SONRA.tsv" >&2; exit 2; }
    declare -A sonra
    while IFS=$'\t' read -r kimlik _ sonuc; do
        [[ $kimlik == \#* || -z $kimlik ]] || sonra[$kimlik]=$sonuc
    done <"$3"
    kacan=0
    while IFS=$'\t' read -r kimlik aciklama sonuc; do
        [[ $kimlik == \#* || -z $kimlik || $kimlik == kimlik ]] && continue
        olduruldu "$sonuc" || continue
        if ! olduruldu "${sonra[$kimlik]:-BULUNAMADI (raporda yok)}"; then
            printf '%s\t%s\tönce: %s\tsonra: %s\n' "$kimlik" "$aciklama" "$sonuc" "${sonra[$kimlik]:-BULUNAMADI (raporda yok)}"
            kacan=$((kacan + 1))
        fi
    done <"$2"
    echo "$kacan mutants killed before but not after"
    ((kacan == 0))
    exit
fi

while (($#)); do
    case $1 in
    --yapi) yapi=$(realpath -m "$2"); shift 2 ;;
    --liste) liste=$(realpath "$2"); shift 2 ;;
    --zaman-asimi) zamanAsimi=$2; shift 2 ;;
    --sec) secilenler=,$2,; shift 2 ;;
    --hepsi) hepsi=1; shift ;;
    --ilk) ilk=1; shift ;;
    --haric) haric=(-E "$2"); shift 2 ;;
    -*) echo "$0: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
done
(($# == 1)) || { echo "kullanım: $0 [--yapi DIR] [--liste FILE] [--zaman-asimi S] [--sec ID,...] [--hepsi] [--haric REGEX] [--ilk] RAPOR.tsv" >&2; exit 2; }
rapor=$(realpath -m "$1")
kayitlar=$yapi/mutasyon-kayitlari
mkdir -p "$kayitlar"

# Configured as scripts/kur.sh configures build/, but linked with lld where it is installed: the
# same program, and a rebuild that relinks every test executable takes a fraction of the time.
# Only what the tests run is built, not the benchmarks.
if [ ! -f "$yapi/build.ninja" ]; then
    baglayici=()
    command -v ld.lld >/dev/null && baglayici=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld
        -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld)
    cmake -S "$kok" -B "$yapi" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${baglayici[@]}" \
        >/dev/null
fi

derle() {
    cmake --build "$yapi" --parallel "${JOBS:-2}" \
        --target Mozeta-Tr mozeta-ses mozeta_ornek_fotograflar mozeta_belgeler tests/all >"$1" 2>&1
}

# Prints the tests that failed, comma-separated; nothing when all passed. The end-to-end tests
# (label e2e) take most of the suite's time: unless --hepsi is given they run only when the
# others caught nothing, so a fault they alone catch is still caught.
ctestle() { # log, ctest options...
    local kayit=$1
    shift
    rm -f "$yapi/Testing/Temporary/LastTestsFailed.log"
    ctest --test-dir "$yapi" -j2 --timeout "$zamanAsimi" --output-on-failure "${haric[@]}" "$@" \
        >>"$kayit" 2>&1 || true
    if [ -f "$yapi/Testing/Temporary/LastTestsFailed.log" ]; then
        cut -d: -f2- "$yapi/Testing/Temporary/LastTestsFailed.log"
    fi
}
sina() {
    : >"$1"
    if ((hepsi)); then
        ctestle "$1" | sort | paste -sd, -
        return
    fi
    local basarisiz
    if ((ilk)); then
        basarisiz=$(ctestle "$1" -LE 'e2e|install' --stop-on-failure)
        [ -n "$basarisiz" ] || basarisiz=$(ctestle "$1" -L install)
        [ -n "$basarisiz" ] || basarisiz=$(ctestle "$1" -L e2e -LE install --stop-on-failure)
    else
        basarisiz=$(ctestle "$1" -LE e2e)
        [ -n "$basarisiz" ] || basarisiz=$(ctestle "$1" -L e2e)
    fi
    printf '%s\n' "$basarisiz" | sed '/^$/d' | sort | paste -sd, -
}

# Plants or checks one fault with python (exact text, UTF-8): prints "tamam", "BULUNAMADI" or
# "BİRDEN ÇOK YERDE (n)".
dikim() { # dosya eski yeni [uygula]
    python3 - "$@" <<'PY'
import sys
dosya, eski, yeni = sys.argv[1], sys.argv[2].replace("⏎", "\n"), sys.argv[3].replace("⏎", "\n")
try:
    metin = open(dosya, encoding="utf-8").read()
except FileNotFoundError:
    print("BULUNAMADI (dosya yok)"); sys.exit()
sayı = metin.count(eski)
if sayı == 0:
    print("BULUNAMADI")
elif sayı > 1:
    print(f"BİRDEN ÇOK YERDE ({sayı})")
else:
    if len(sys.argv) > 4:
        open(dosya, "w", encoding="utf-8").write(metin.replace(eski, yeni))
    print("tamam")
PY
}

yedek=
dosya=
geriKoy() {
    if [ -n "$yedek" ]; then
        cp "$yedek" "$dosya" # a new time stamp: the next build compiles the original again
        rm -f "$yedek"
        yedek=
    fi
}
trap geriKoy EXIT
trap 'exit 130' INT TERM

echo "mutasyon: building and testing the unchanged program" >&2
derle "$kayitlar/00-derleme.log" || { echo "mutasyon: the unchanged program does not build" >&2; exit 1; }
basarisiz=$(sina "$kayitlar/00-test.log")
if [ -n "$basarisiz" ]; then
    echo "mutasyon: tests fail without any fault: $basarisiz (see $kayitlar/00-test.log)" >&2
    exit 1
fi

printf 'kimlik\taciklama\tsonuc\n' >"$rapor"
toplam=0
oldurulen=0
# Fields split at a unit separator: read folds runs of tabs, which would lose an empty replacement.
while IFS=$'\x1f' read -r -u 3 kimlik goreli eski yeni aciklama; do
    [[ -z $kimlik || $kimlik == \#* ]] && continue
    [[ -z $secilenler || $secilenler == *",$kimlik,"* ]] || continue
    toplam=$((toplam + 1))
    dosya=$kok/$goreli
    durum=$(dikim "$dosya" "$eski" "$yeni")
    if [[ $durum == tamam ]]; then
        yedek=$(mktemp)
        cp "$dosya" "$yedek"
        dikim "$dosya" "$eski" "$yeni" uygula >/dev/null
        if derle "$kayitlar/$kimlik-derleme.log"; then
            durum=$(sina "$kayitlar/$kimlik-test.log")
            [ -n "$durum" ] || durum="SAĞ KALDI"
        else
            durum=derlenmedi
        fi
        geriKoy
    fi
    olduruldu "$durum" && oldurulen=$((oldurulen + 1))
    printf '%s\t%s\t%s\n' "$kimlik" "$aciklama" "$durum" >>"$rapor"
    printf '%s\t%s\n' "$kimlik" "$durum" >&2
done 3< <(tr '\t' '\037' <"$liste")

# The build folder is left as the unchanged program.
derle "$kayitlar/99-derleme.log" || true
ozet="$toplam mutants, $oldurulen killed"
printf '# %s\n' "$ozet" >>"$rapor"
echo "$ozet"
