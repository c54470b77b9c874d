# The JPEG and PNG decoders as one target, tolvarin_decoders: libjpeg-turbo 2.1.5 and libspng 0.7.3
# with zlib, the versions of Debian bookworm. A native build links Debian's -dev packages. Every
# other build (the mingw-w64 cross builds; any toolchain file, WebAssembly included) builds them
# from Debian's source packages with its own toolchain, once per build tree, under
# <build>/third-party: sources fetched by cmake/fetch-debian-source.sh at configure time, then each
# library built by its own CMake files.
option(TOLVARIN_BUILD_DECODERS "Build libjpeg-turbo and libspng from Debian's source packages" ${CMAKE_CROSSCOMPILING})

#
# The .wsz archive writer, tolvarin_zip: libzip 1.7.3, Debian's -dev package natively and built from
# its source package for WebAssembly; the Windows builds have none (their command line writes no
# archive).
add_library(tolvarin_decoders INTERFACE)

if(NOT WIN32 AND NOT EMSCRIPTEN)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TOLVARIN_LIBZIP REQUIRED IMPORTED_TARGET GLOBAL libzip=1.7.3)
  add_library(tolvarin_zip INTERFACE)
  target_link_libraries(tolvarin_zip INTERFACE PkgConfig::TOLVARIN_LIBZIP)
endif()

if(NOT TOLVARIN_BUILD_DECODERS)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TOLVARIN_JPEG REQUIRED IMPORTED_TARGET libjpeg=2.1.5)
  pkg_check_modules(TOLVARIN_SPNG REQUIRED IMPORTED_TARGET spng=0.7.3)
  target_link_libraries(tolvarin_decoders INTERFACE PkgConfig::TOLVARIN_JPEG PkgConfig::TOLVARIN_SPNG)
  return()
endif()

enable_language(C)
include(ExternalProject)
set(third_party "${PROJECT_BINARY_DIR}/third-party")
set(third_party_include "${third_party}/include")
file(MAKE_DIRECTORY "${third_party_include}")

function(tolvarin_fetch_debian_source package version out_folder)
  execute_process(
    COMMAND sh "${PROJECT_SOURCE_DIR}/cmake/fetch-debian-source.sh" ${package} ${version} "${third_party}/sources"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not fetch Debian's source package ${package} ${version}")
  endif()
  set(${out_folder} "${third_party}/sources/${package}-${version}" PARENT_SCOPE)
endfunction()

tolvarin_fetch_debian_source(libjpeg-turbo 2.1.5 jpeg_source)
tolvarin_fetch_debian_source(libspng 0.7.3 spng_source)

# zlib: Debian's build for mingw-w64 (libz-mingw-w64-dev), the static library, so that the programs
# and ifstb.spi need no zlib1.dll beside them; natively the system's. Emscripten's own zlib is a
# "port" that it downloads while building, which these machines refuse, so there zlib is built from
# Debian's source package like the decoders (below, once the toolchain arguments are set).
if(NOT EMSCRIPTEN)
  find_library(TOLVARIN_ZLIB_LIBRARY NAMES libz.a z)
  find_path(TOLVARIN_ZLIB_INCLUDE_DIR zlib.h)
  set(zlib_link "${TOLVARIN_ZLIB_LIBRARY}")
  if(NOT TOLVARIN_ZLIB_LIBRARY OR NOT TOLVARIN_ZLIB_INCLUDE_DIR)
    message(FATAL_ERROR "zlib for the target is missing (mingw-w64: install libz-mingw-w64-dev)")
  endif()
endif()

# What each library's own build gets from this one: the toolchain, the compiler flags and, in a
# sanitizer or fuzzing build, the same instrumentation as our code.
set(decoder_c_flags "${CMAKE_C_FLAGS}")
if(TOLVARIN_SANITIZE OR TOLVARIN_FUZZ)
  string(APPEND decoder_c_flags " -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g")
endif()
if(TOLVARIN_FUZZ)
  string(APPEND decoder_c_flags " -fsanitize=fuzzer-no-link")
endif()
set(toolchain_arguments
  -DCMAKE_BUILD_TYPE=Release
  "-DCMAKE_INSTALL_PREFIX=${third_party}"
  -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER}
  "-DCMAKE_C_FLAGS=${decoder_c_flags}"
  -DCMAKE_POSITION_INDEPENDENT_CODE=${CMAKE_POSITION_INDEPENDENT_CODE})
if(CMAKE_TOOLCHAIN_FILE)
  list(APPEND toolchain_arguments "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}")
endif()
cmake_host_system_information(RESULT build_jobs QUERY NUMBER_OF_LOGICAL_CORES)

if(EMSCRIPTEN)
  # Its own CMake files want the Windows resource file that Debian's source leaves out, so its
  # library is compiled here, from the files its Makefile builds.
  tolvarin_fetch_debian_source(zlib 1.2.13.dfsg zlib_source)
  tolvarin_fetch_debian_source(libzip 1.7.3 zip_source)
  set(zlib_files adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees trees
      uncompr zutil)
  list(TRANSFORM zlib_files PREPEND "${zlib_source}/")
  list(TRANSFORM zlib_files APPEND ".c")
  add_library(tolvarin_zlib STATIC ${zlib_files})
  set_target_properties(tolvarin_zlib PROPERTIES OUTPUT_NAME z ARCHIVE_OUTPUT_DIRECTORY "${third_party}/lib")
  target_compile_options(tolvarin_zlib PRIVATE -w)
  target_include_directories(tolvarin_zlib PUBLIC "${zlib_source}")
  set(TOLVARIN_ZLIB_LIBRARY "${third_party}/lib/libz.a")
  set(TOLVARIN_ZLIB_INCLUDE_DIR "${zlib_source}")
  set(zlib_dependency DEPENDS tolvarin_zlib)
  set(zlib_link tolvarin_zlib)
  # CMake's type-size checks cannot read an Emscripten object; its sizes are those of wasm32.
  set(jpeg_type_sizes -DHAVE_SIZE_T=TRUE -DSIZE_T=4 -DHAVE_UNSIGNED_LONG=TRUE -DUNSIGNED_LONG=4)
  set(zip_type_sizes)
  foreach(type __INT8 __INT16 __INT32 __INT64)
    list(APPEND zip_type_sizes -DHAVE_${type}_LIBZIP=FALSE "-D${type}_LIBZIP=")
  endforeach()
  foreach(type_size INT8_T:1 UINT8_T:1 INT16_T:2 UINT16_T:2 INT32_T:4 UINT32_T:4 INT64_T:8 UINT64_T:8 SHORT:2 INT:4 LONG:4
                    LONG_LONG:8)
    string(REPLACE ":" ";" pair "${type_size}")
    list(GET pair 0 type)
    list(GET pair 1 size)
    list(APPEND zip_type_sizes -DHAVE_${type}_LIBZIP=TRUE -D${type}_LIBZIP=${size})
  endforeach()
  list(APPEND zip_type_sizes -DHAVE_SIZEOF_OFF_T=TRUE -DSIZEOF_OFF_T=8 -DHAVE_SIZEOF_SIZE_T=TRUE -DSIZEOF_SIZE_T=4)
endif()

# libjpeg-turbo's SIMD code (NASM) on x86, required there so that a missing assembler fails the
# build instead of silently making a slower library; elsewhere its plain C.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86_64|AMD64)$")
  set(jpeg_simd -DWITH_SIMD=ON -DREQUIRE_SIMD=ON)
else()
  set(jpeg_simd -DWITH_SIMD=OFF)
endif()
set(jpeg_library "${third_party}/lib/libjpeg.a")
ExternalProject_Add(libjpeg_turbo
  PREFIX "${third_party}"
  SOURCE_DIR "${jpeg_source}"
  BINARY_DIR "${third_party}/build/libjpeg-turbo"
  CMAKE_ARGS ${toolchain_arguments} ${jpeg_simd} ${jpeg_type_sizes} -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF
             -DWITH_12BIT=OFF
  # The library alone, not its programs.
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static --parallel ${build_jobs}
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a "${jpeg_library}"
          COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h
                  <BINARY_DIR>/jconfig.h "${third_party_include}"
  BUILD_BYPRODUCTS "${jpeg_library}")

set(spng_library "${third_party}/lib/libspng.a")
ExternalProject_Add(libspng
  PREFIX "${third_party}"
  SOURCE_DIR "${spng_source}"
  BINARY_DIR "${third_party}/build/libspng"
  # Its CMake files need the shared library configured (0.7.3 sets its include folders either way);
  # only the static one is built.
  ${zlib_dependency}
  CMAKE_ARGS ${toolchain_arguments} -DSPNG_SHARED=ON -DSPNG_STATIC=ON -DBUILD_EXAMPLES=OFF
             "-DZLIB_LIBRARY=${TOLVARIN_ZLIB_LIBRARY}" "-DZLIB_INCLUDE_DIR=${TOLVARIN_ZLIB_INCLUDE_DIR}"
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target spng_static --parallel ${build_jobs}
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libspng_static.a "${spng_library}"
          COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/spng/spng.h "${third_party_include}"
  BUILD_BYPRODUCTS "${spng_library}")

add_library(tolvarin_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(tolvarin_jpeg PROPERTIES IMPORTED_LOCATION "${jpeg_library}")
add_dependencies(tolvarin_jpeg libjpeg_turbo)
add_library(tolvarin_spng STATIC IMPORTED GLOBAL)
set_target_properties(tolvarin_spng PROPERTIES IMPORTED_LOCATION "${spng_library}")
add_dependencies(tolvarin_spng libspng)
target_include_directories(tolvarin_decoders INTERFACE "${third_party_include}" "${TOLVARIN_ZLIB_INCLUDE_DIR}")
# Linked as a static library on Windows, not imported from a DLL.
target_compile_definitions(tolvarin_decoders INTERFACE SPNG_STATIC)
target_link_libraries(tolvarin_decoders INTERFACE tolvarin_jpeg tolvarin_spng ${zlib_link})

if(EMSCRIPTEN)
  set(zip_library "${third_party}/lib/libzip.a")
  ExternalProject_Add(libzip
    PREFIX "${third_party}"
    SOURCE_DIR "${zip_source}"
    BINARY_DIR "${third_party}/build/libzip"
    ${zlib_dependency}
    # Stored and deflated entries only: no encryption, no other compression, no programs.
    CMAKE_ARGS ${toolchain_arguments} ${zip_type_sizes} -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_LIBDIR=lib
               -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
               -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DBUILD_TOOLS=OFF
               -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
               "-DZLIB_LIBRARY=${TOLVARIN_ZLIB_LIBRARY}" "-DZLIB_INCLUDE_DIR=${TOLVARIN_ZLIB_INCLUDE_DIR}"
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target zip --parallel ${build_jobs}
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/lib/libzip.a "${zip_library}"
            COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/lib/zip.h <BINARY_DIR>/zipconf.h "${third_party_include}"
    BUILD_BYPRODUCTS "${zip_library}")
  add_library(tolvarin_libzip STATIC IMPORTED GLOBAL)
  set_target_properties(tolvarin_libzip PROPERTIES IMPORTED_LOCATION "${zip_library}")
  add_dependencies(tolvarin_libzip libzip)
  add_library(tolvarin_zip INTERFACE)
  # Not our header: its partial nullability marks are not our warnings.
  target_include_directories(tolvarin_zip SYSTEM INTERFACE "${third_party_include}")
  target_link_libraries(tolvarin_zip INTERFACE tolvarin_libzip ${zlib_link})
endif()
