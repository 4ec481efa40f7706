# Shared set-up of scripts/run and scripts/test: installs the missing Debian
# packages listed in scripts/packages.txt, then configures and builds.
set -euo pipefail

REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

missing_packages() {
    local pkg
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
    done <"$REPO_ROOT/scripts/packages.txt"
}

install_packages() {
    local missing
    missing="$(missing_packages)"
    [[ -z "$missing" ]] && return 0
    echo "Installing missing packages: $(echo $missing)"
    local sudo=""
    if [[ "$(id -u)" -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: $missing" >&2; return 1; }
        sudo="sudo"
    fi
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# configure_and_build DIR TYPE [TARGET...]: everything when no target is named.
configure_and_build() {
    local build_dir="$1" build_type="$2"
    shift 2
    cmake -S "$REPO_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type"
    local targets=()
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
}
