# Cross build with mingw-w64: static, so Ventaro.exe needs no DLL but the system's.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
