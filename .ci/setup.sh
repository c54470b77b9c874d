# Shared by ./tolvarin and ./check: installs what is missing, and nothing when all is in place.
# Source it; it defines functions only.

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# need_packages PKG...: installs the Debian packages among PKG that are not installed yet.
need_packages() {
    local missing=() pkg
    if dpkg -s "$@" >/dev/null 2>&1; then
        return 0
    fi
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    # Another install may hold the package lock (a second build on the same machine): wait for it.
    as_root apt-get -o DPkg::Lock::Timeout=900 update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -q \
        --no-install-recommends "${missing[@]}"
}

# need_i386: lets apt install 32-bit packages (wine32:i386).
need_i386() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
}

# need_locale NAME (e.g. ja_JP.UTF-8): generates the locale when the system does not have it.
need_locale() {
    local name="$1" short
    short="$(echo "$name" | sed 's/UTF-8$/utf8/')"
    if locale -a 2>/dev/null | grep -qix "$short"; then
        return 0
    fi
    need_packages locales
    as_root sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen
}

# need_deb_src: lets `apt-get source` fetch Debian bookworm's source packages, from which the
# Windows and sanitizer builds compile libjpeg-turbo and libspng (cmake/fetch-debian-source.sh).
need_deb_src() {
    if apt-cache showsrc libspng 2>/dev/null | grep -q '^Package: libspng'; then
        return 0
    fi
    need_packages dpkg-dev
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        as_root tee /etc/apt/sources.list.d/tolvarin-bookworm-src.sources >/dev/null
    as_root apt-get -o DPkg::Lock::Timeout=900 update -q
}
