# Installs the Debian packages that are missing. Sourced by run.sh and test.sh.
QUADERLO_PACKAGES=(build-essential cmake qt6-base-dev qt6-translations-l10n fonts-liberation fonts-comic-neue
                   xvfb xauth poppler-utils fp-utils locales
                   pkg-config libhunspell-dev hunspell-it)
# Only for the tests: a real print spooler with a PDF printer; a window manager, xdotool, xprop and
# ImageMagick's import for the stage that clicks the program under Xvfb.
QUADERLO_TEST_PACKAGES=(cups printer-driver-cups-pdf openbox xdotool x11-utils imagemagick desktop-file-utils)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installazione dei pacchetti mancanti: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The Italian locale, so that Qt's own dialogs write Italian dates and numbers on any system.
ensure_italian_locale() {
    locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^it_IT\.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}

# Builds the given targets (run.sh: just the program, its data and its guide), or everything.
build_quaderlo() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build build -j"$(nproc)" --target "$@"
    else
        cmake --build build -j"$(nproc)"
    fi
}
