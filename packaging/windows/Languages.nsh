; The setup's own two messages in the program's languages. The pages come
; in the system's language from NSIS's Modern UI, where it has it; these
; two are CPack's, English there, and reach the script through the copy of
; CPack's script that cmake/NsisLanguages.cmake makes. Saved as UTF-8 with a
; byte-order mark, so makensis reads the accents as they are. The other
; languages take the English text, as NSIS does, without a warning for each.
!pragma warning disable 6040
LangString StarkindleAlreadyInstalled ${LANG_ENGLISH} "Starkindle is already installed. $\n$\nDo you want to uninstall the old version before installing the new one?"
LangString StarkindleAlreadyInstalled ${LANG_GERMAN} "Starkindle ist bereits installiert.$\n$\nMöchten Sie die alte Version deinstallieren, bevor die neue installiert wird?"
LangString StarkindleAlreadyInstalled ${LANG_FRENCH} "Starkindle est déjà installé.$\n$\nVoulez-vous désinstaller l’ancienne version avant d’installer la nouvelle ?"
LangString StarkindleAlreadyInstalled ${LANG_SPANISH} "Starkindle ya está instalado.$\n$\n¿Quieres desinstalar la versión anterior antes de instalar la nueva?"
LangString StarkindleAlreadyInstalled ${LANG_PORTUGUESEBR} "O Starkindle já está instalado.$\n$\nDeseja desinstalar a versão anterior antes de instalar a nova?"
LangString StarkindleAlreadyInstalled ${LANG_ITALIAN} "Starkindle è già installato.$\n$\nVuoi disinstallare la versione precedente prima di installare quella nuova?"
LangString StarkindleAlreadyInstalled ${LANG_DUTCH} "Starkindle is al geïnstalleerd.$\n$\nWil je de oude versie verwijderen voordat de nieuwe wordt geïnstalleerd?"
LangString StarkindleAlreadyInstalled ${LANG_POLISH} "Starkindle jest już zainstalowany.$\n$\nCzy chcesz odinstalować starą wersję przed zainstalowaniem nowej?"
LangString StarkindleAlreadyInstalled ${LANG_RUSSIAN} "Starkindle уже установлен.$\n$\nУдалить старую версию перед установкой новой?"
LangString StarkindleUninstallFailed ${LANG_ENGLISH} "Uninstall failed."
LangString StarkindleUninstallFailed ${LANG_GERMAN} "Die Deinstallation ist fehlgeschlagen."
LangString StarkindleUninstallFailed ${LANG_FRENCH} "La désinstallation a échoué."
LangString StarkindleUninstallFailed ${LANG_SPANISH} "La desinstalación ha fallado."
LangString StarkindleUninstallFailed ${LANG_PORTUGUESEBR} "A desinstalação falhou."
LangString StarkindleUninstallFailed ${LANG_ITALIAN} "Disinstallazione non riuscita."
LangString StarkindleUninstallFailed ${LANG_DUTCH} "Het verwijderen is mislukt."
LangString StarkindleUninstallFailed ${LANG_POLISH} "Odinstalowanie nie powiodło się."
LangString StarkindleUninstallFailed ${LANG_RUSSIAN} "Не удалось удалить программу."
