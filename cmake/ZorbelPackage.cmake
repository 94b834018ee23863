# `cpack -G DEB` (scripts/package): one Debian package with the program and what
# packaging/ installs. Its library dependencies come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, so the scan cannot see them and they are named here.
set(CPACK_PACKAGE_NAME zorbel-extract)
set(CPACK_PACKAGE_VENDOR "The zorbel-extract developers")
set(CPACK_PACKAGE_CONTACT "The zorbel-extract developers <zorbel-extract@author.zorbel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "export files of a Zorbel cloud drive as extraction blocks")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop tool for the Zorbel cloud drive: log in, browse folders, resolve a file's SHA1\n\
and download link, and export ticked files or whole folders in the service's standard\n\
extraction format (SHA1#size#name) to three text files. The commands `zorbel-extract ls`\n\
and `zorbel-extract export` do the same for scripts, without a display.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZORBEL_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Chinese captions need a CJK font; Qt's own buttons and dialogs speak the run's language
# with Qt's translations (English without them).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")

include(CPack)
