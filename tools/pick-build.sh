# Sourced by the scripts that run a program: pick_build sets preset and arch to the 32-bit build
# (the program we ship) where this machine can run it, else to the 64-bit one, and says which.
arch=32
preset=mingw-i686
pick_build() {
    if why=$(tools/wine-run.sh --arch 32 --probe); then
        arch=32 preset=mingw-i686
        echo "running the 32-bit build ($preset)"
    else
        arch=64 preset=mingw-x86_64
        echo "running the 64-bit build ($preset): this machine cannot run Wine's 32-bit loader ($why)"
    fi
}
