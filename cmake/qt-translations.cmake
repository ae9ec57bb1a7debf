# Qt's own translations (dialog buttons, the replace question) for the
# languages the program speaks: CARTOUCHERY_QT_TRANSLATIONS lists the qtbase
# .qm files. They come from the Qt in use, or, where that Qt was built
# without them (a cross-built one), from the build machine's Qt of the same
# version (Debian: qt6-translations-l10n).
set(CARTOUCHERY_LANGUAGES de fr es ar)
set(CARTOUCHERY_QT_TRANSLATIONS "")
foreach(language ${CARTOUCHERY_LANGUAGES})
  find_file(QT_TRANSLATION_${language} qtbase_${language}.qm
            PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(QT_TRANSLATION_${language})
    list(APPEND CARTOUCHERY_QT_TRANSLATIONS ${QT_TRANSLATION_${language}})
  else()
    leave_out("Qt's own ${language} texts in the Windows packages" "qtbase_${language}.qm (Debian: qt6-translations-l10n)")
  endif()
endforeach()
