#!/usr/bin/env bash
# Installs the build into a temporary prefix, then starts the installed game on the offscreen
# platform from a folder of its own, with a home and configuration folder of its own, and checks
# that it found its files and kept its settings where Linux keeps them.
#   install_and_start.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work/home" "$work/config" "$work/here"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
expect_file() { [[ -f "$prefix/$1" ]] || fail "not installed: $1"; }

# What the game and the desktop need, and nothing of the build or the tests.
for file in games/banzuri games/banzuri-cli share/games/banzuri/Banzuri.htm \
  share/games/banzuri/Banzuri-en.htm share/games/banzuri/Banzuri_files/help.css \
  share/games/banzuri/{その他,禁止,駒打音,終局,消滅,BGM}.wav \
  share/applications/org.example.banzuri.desktop share/metainfo/org.example.banzuri.metainfo.xml \
  share/man/man6/banzuri.6.gz share/man/man6/banzuri-cli.6.gz share/doc/banzuri/copyright; do
  expect_file "$file"
done
for size in 16 22 24 32 48 64 128 256 512; do
  expect_file "share/icons/hicolor/${size}x${size}/apps/org.example.banzuri.png"
done
shown=$(grep -o 'Banzuri_files/[A-Za-z0-9_]*\.png' "$prefix/share/games/banzuri/Banzuri.htm" |
  sort -u)
installed=$(cd "$prefix/share/games/banzuri" && find Banzuri_files -type f -name '*.png' | sort)
[[ "$shown" == "$installed" ]] || fail "help pictures installed differ from those the page shows"
unexpected=$(cd "$prefix" && find . -type f | grep -v -E \
  '^\./(games/banzuri(-cli)?|share/(games/banzuri/|applications/|metainfo/|icons/hicolor/|man/man6/|doc/banzuri/).*)$' ||
  true)
[[ -z "$unexpected" ]] || fail "unexpected files installed: $unexpected"

# One version for both programs.
game_version=$("$prefix/games/banzuri" --version)
cli_version=$("$prefix/games/banzuri-cli" --version)
[[ "$game_version" == "banzuri ${cli_version#banzuri-cli }" ]] ||
  fail "versions differ: '$game_version' / '$cli_version'"
"$prefix/games/banzuri" --help | grep -q -- '--version' || fail "banzuri --help lists no --version"
# --help answers in Japanese, or in English when the same command line asks for English.
"$prefix/games/banzuri" --help | grep -q '挟んで取り' || fail "banzuri --help is not Japanese"
for asked in "--language en" "--language=en"; do
  # shellcheck disable=SC2086 # the words of $asked are separate arguments
  help_text=$("$prefix/games/banzuri" --help $asked)
  grep -q 'sandwiching' <<<"$help_text" || fail "banzuri --help $asked is not English"
  ! LC_ALL=C.UTF-8 grep -qP '[\x{3040}-\x{30ff}\x{4e00}-\x{9fff}]' <<<"$help_text" ||
    fail "banzuri --help $asked shows Japanese: $help_text"
done

start_game() { # start_game ENV... : runs the installed game from $work/here
  (cd "$work/here" && env "$@" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    timeout 60 "$prefix/games/banzuri" --check-start)
}
check_report() { # check_report REPORT SETTINGS_FILE
  grep -qxF "data folder: $prefix/share/games/banzuri" <<<"$1" || fail "data folder: $1"
  grep -qxF "settings file: $2" <<<"$1" || fail "settings file, wanted $2: $1"
  grep -qxF "sounds loaded: 6 of 6" <<<"$1" || fail "sounds: $1"
  grep -qxF "help page: found" <<<"$1" || fail "help page: $1"
  grep -qxF "warnings: 0" <<<"$1" || fail "warnings: $1"
}
defaults=$(printf '背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n' | iconv -f UTF-8 -t CP932 |
  od -An -tx1)
same_as_defaults() { [[ "$(od -An -tx1 "$1")" == "$defaults" ]]; }

# Started from a launcher: the settings go to $XDG_CONFIG_HOME/banzuri.
report=$(start_game HOME="$work/home" XDG_CONFIG_HOME="$work/config")
check_report "$report" "$work/config/banzuri/Banzuri.ini"
same_as_defaults "$work/config/banzuri/Banzuri.ini" || fail "settings file differs from defaults"
[[ -z "$(ls -A "$work/here")" ]] || fail "files written into the current folder: $(ls -A "$work/here")"
[[ -z "$(ls -A "$work/home")" ]] || fail "files written into the home folder"

# Without XDG_CONFIG_HOME: ~/.config/banzuri.
report=$(start_game -u XDG_CONFIG_HOME HOME="$work/home")
check_report "$report" "$work/home/.config/banzuri/Banzuri.ini"
same_as_defaults "$work/home/.config/banzuri/Banzuri.ini" || fail "~/.config file differs"

# A settings file in the current folder stays in use there.
printf 'BGM=OFF\r\n' >"$work/here/Banzuri.ini"
rm -rf "$work/config"
report=$(start_game HOME="$work/home" XDG_CONFIG_HOME="$work/config")
check_report "$report" "$work/here/Banzuri.ini"
[[ ! -e "$work/config/banzuri/Banzuri.ini" ]] ||
  fail "settings file made in the configuration folder although the current folder has one"

if ((failures > 0)); then
  echo "$failures failed"
  exit 1
fi
echo "installed game: all checks passed"
