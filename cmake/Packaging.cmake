# `make package`: a Debian package of everything the install rules install. Every install()
# of the project lands in it, whatever its component; plugin libraries go to
# ${CMAKE_INSTALL_LIBDIR}/mechik, where the program looks for them beside bin/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mechik)
set(CPACK_PACKAGE_VENDOR "Mechík")
set(CPACK_PACKAGE_CONTACT "Mechík, podpora <podpora@mechik.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zápis písní pro heligonku (Knoflovka)")
set(CPACK_PACKAGE_DESCRIPTION
    "Mechík je program pro hráče na heligonku (diatonickou knoflíkovou harmoniku). Písnička se \
zapisuje jako sled hmatů a program ji ukazuje na nakreslené klávesnici hmat po hmatu, tlak i \
tah, kreslí tóny do osnovy a převádí písničky do jiného ladění se zachováním prstokladu. \
Písničky se ukládají jako sešity Excelu 97-2003 (.xls).")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The shared libraries the programs and plugins link, found by dpkg-shlibdeps (it needs `file`).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What is loaded only at run time: a General MIDI soundfont for FluidSynth, the GStreamer
# plugins behind Qt Multimedia (mp3 and wav), Qt's platform plugins and its Czech dialogs, and
# the font the window is drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fluid-soundfont-gm | timgm6mb-soundfont, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good, qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
