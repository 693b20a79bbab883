# Shared by the scripts: install missing Debian packages, configure and build.
say() { printf '\n==> %s\n' "$*"; }

# need_packages PKG...: installs those that are missing, with apt-get (as root or through sudo).
need_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The build needs a compiler, CMake, the chosen Qt with its translation tools, OpenAL for the
# sounds, and a real font (or no text is drawn).
need_build_packages() {
  local qt=(qt6-base-dev qt6-l10n-tools)
  [ "${SWIRLFALL_QT:-6}" = 5 ] && qt=(qtbase5-dev qttools5-dev-tools)
  need_packages g++ make cmake "${qt[@]}" libopenal-dev fonts-dejavu-core "$@"
}

# configure_and_build DIR [CMAKE-ARGS...]
configure_and_build() {
  local dir=$1; shift
  say "Configuring in $dir (Qt ${SWIRLFALL_QT:-6})"
  cmake -S . -B "$dir" -DSWIRLFALL_QT="${SWIRLFALL_QT:-6}" "$@"
  say "Building"
  cmake --build "$dir" -j"$(nproc)"
}
