# Third-party packages, found once for the whole tree.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Sql Network Multimedia Test LinguistTools)
find_package(PkgConfig REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(ZLIB REQUIRED)
pkg_check_modules(GSOAPSSL REQUIRED IMPORTED_TARGET gsoapssl++)

set(CMAKE_AUTOMOC ON)

# The layout of struct soap depends on the WITH_* flags that the runtime library
# was built with; a translation unit compiled without them corrupts memory
# without any warning. Every target that includes stdsoap2.h links this target,
# which carries the flags of the installed runtime to all of its consumers.
add_library(qelvox_gsoap INTERFACE)
target_link_libraries(qelvox_gsoap INTERFACE
  PkgConfig::GSOAPSSL OpenSSL::SSL OpenSSL::Crypto ZLIB::ZLIB)
target_compile_options(qelvox_gsoap INTERFACE ${GSOAPSSL_CFLAGS_OTHER})
