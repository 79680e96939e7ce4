#!/usr/bin/env python3
"""Writes the sample folder's Setup.ini and licence texts from the UTF-8 texts below.

Setup.ini is read in the system's ANSI code page, so each language section is
stored in the code page of the systems that show that language: the European
languages in Windows-1252, Japanese in Shift-JIS (932). The licence RTF files
carry their code page themselves and escape every byte above 127.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEMO = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "demo")

MAIN = """\
; The sample installation folder of the launcher: one form of seven buttons,
; a second form, and the texts in six languages.
[main]
imageFile=background.png
productName=Sample Product Setup
vendor=Example Software
dirRoot=.
versionNumber=Version 2.1
versionFont=Tahoma
versionX=34
versionY=364
eulaRoot=Eula
buttonCount=7
"""

# (section, label, action, url, args); every button of a form is stacked in
# the picture's right-hand panel.
BUTTONS = [
    ("main", "IDS_BTN_INSTALL", "clickThru", r"setup\install.exe", "/lang $LANGID"),
    ("main", "IDS_BTN_DATABASE", "sqlexpress", r"setup\database.exe",
     "/ACTION=Install /SAPWD=\"$PASSWORD\" /LOG=\"$LOGFILE\""),
    ("main", "IDS_BTN_README", "open", r"docs\ReadMe.txt", ""),
    ("main", "IDS_BTN_WEBSITE", "open", "http://www.example.com/sample/?lang=$LANGUAGE", ""),
    ("main", "IDS_BTN_MORE", "subform", "more", ""),
    ("main", "IDS_BTN_ABOUT", "msgbox", "IDS_ABOUT_TEXT", ""),
    ("main", "IDS_BTN_EXIT", "exit", "", ""),
    ("more", "IDS_BTN_REQUIREMENTS", "msgbox", "IDS_REQUIREMENTS_TEXT", ""),
    ("more", "IDS_BTN_BROWSE", "open", "docs", ""),
    ("more", "IDS_BTN_BACK", "exit", "", ""),
]
BUTTON_X, BUTTON_TOP, BUTTON_STEP, BUTTON_WIDTH, BUTTON_HEIGHT = 400, 64, 38, 208, 30

TEXTS = {
    "EN": {
        "IDS_FILENOTFOUND": "The file %1 was not found.",
        "IDS_NOFILE_ASSOCIATION": "There is no program on this computer that opens this kind of file.",
        "IDS_FILEOPEN_ERROR": "The file could not be opened.",
        "IDS_LICENSECAPTION": "Licence agreement",
        "IDS_OK": "Continue",
        "IDS_CANCEL": "Cancel",
        "IDS_AGREEMENT": "I accept the terms of the licence agreement",
        "IDS_LICENSEHEADER": "Please read the following licence agreement carefully.",
        "IDS_EULA": "License.rtf",
        "IDS_CAPTION": "Choose the password of the database administrator: at least 6 characters, with a capital letter and a digit.",
        "IDS_PASSWORD": "Password:",
        "IDS_CONFIRM": "Confirm password:",
        "IDS_INSTALL": "Install",
        "IDS_SQLEXPRESS_FAILED": "The database installation could not be started or did not finish.",
        "IDS_REBOOT_REQUIRED": "The database installation has ended. Please restart the computer before you use Sample Product.",
        "IDS_BTN_INSTALL": "Install Sample Product",
        "IDS_BTN_DATABASE": "Install the database",
        "IDS_BTN_README": "Read me",
        "IDS_BTN_WEBSITE": "Visit our website",
        "IDS_BTN_MORE": "More...",
        "IDS_BTN_ABOUT": "About",
        "IDS_BTN_EXIT": "Exit",
        "IDS_BTN_REQUIREMENTS": "System requirements",
        "IDS_BTN_BROWSE": "Browse the documents",
        "IDS_BTN_BACK": "Back",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n\u00a9 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 or later\\n2 GB of memory\\n500 MB of free disk space",
    },
    "FR": {
        "IDS_FILENOTFOUND": "Le fichier %1 est introuvable.",
        "IDS_NOFILE_ASSOCIATION": "Aucun programme de cet ordinateur n'ouvre ce type de fichier.",
        "IDS_FILEOPEN_ERROR": "Impossible d'ouvrir le fichier.",
        "IDS_LICENSECAPTION": "Contrat de licence",
        "IDS_OK": "Continuer",
        "IDS_CANCEL": "Annuler",
        "IDS_AGREEMENT": "J'accepte les termes du contrat de licence",
        "IDS_LICENSEHEADER": "Veuillez lire attentivement le contrat de licence suivant.",
        "IDS_EULA": "Licence.rtf",
        "IDS_CAPTION": "Choisissez le mot de passe de l'administrateur de la base de donn\u00e9es : au moins 6 caract\u00e8res, dont une majuscule et un chiffre.",
        "IDS_PASSWORD": "Mot de passe :",
        "IDS_CONFIRM": "Confirmation :",
        "IDS_INSTALL": "Installer",
        "IDS_SQLEXPRESS_FAILED": "L'installation de la base de donn\u00e9es n'a pas pu d\u00e9marrer ou ne s'est pas termin\u00e9e.",
        "IDS_REBOOT_REQUIRED": "L'installation de la base de donn\u00e9es est termin\u00e9e. Veuillez red\u00e9marrer l'ordinateur avant d'utiliser Sample Product.",
        "IDS_BTN_INSTALL": "Installer Sample Product",
        "IDS_BTN_DATABASE": "Installer la base de donn\u00e9es",
        "IDS_BTN_README": "Lisez-moi",
        "IDS_BTN_WEBSITE": "Visiter notre site web",
        "IDS_BTN_MORE": "Plus...",
        "IDS_BTN_ABOUT": "\u00c0 propos",
        "IDS_BTN_EXIT": "Quitter",
        "IDS_BTN_REQUIREMENTS": "Configuration requise",
        "IDS_BTN_BROWSE": "Parcourir les documents",
        "IDS_BTN_BACK": "Retour",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n\u00a9 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 ou ult\u00e9rieur\\n2 Go de m\u00e9moire\\n500 Mo d'espace disque libre",
    },
    "DE": {
        "IDS_FILENOTFOUND": "Die Datei %1 wurde nicht gefunden.",
        "IDS_NOFILE_ASSOCIATION": "Auf diesem Computer gibt es kein Programm, das diesen Dateityp \u00f6ffnet.",
        "IDS_FILEOPEN_ERROR": "Die Datei konnte nicht ge\u00f6ffnet werden.",
        "IDS_LICENSECAPTION": "Lizenzvertrag",
        "IDS_OK": "Weiter",
        "IDS_CANCEL": "Abbrechen",
        "IDS_AGREEMENT": "Ich nehme die Bedingungen des Lizenzvertrags an",
        "IDS_LICENSEHEADER": "Bitte lesen Sie den folgenden Lizenzvertrag sorgf\u00e4ltig durch.",
        "IDS_EULA": "Lizenz.rtf",
        "IDS_CAPTION": "W\u00e4hlen Sie das Kennwort des Datenbankadministrators: mindestens 6 Zeichen, mit einem Gro\u00dfbuchstaben und einer Ziffer.",
        "IDS_PASSWORD": "Kennwort:",
        "IDS_CONFIRM": "Kennwort best\u00e4tigen:",
        "IDS_INSTALL": "Installieren",
        "IDS_SQLEXPRESS_FAILED": "Die Installation der Datenbank konnte nicht gestartet werden oder wurde nicht beendet.",
        "IDS_REBOOT_REQUIRED": "Die Installation der Datenbank ist beendet. Bitte starten Sie den Computer neu, bevor Sie Sample Product verwenden.",
        "IDS_BTN_INSTALL": "Sample Product installieren",
        "IDS_BTN_DATABASE": "Datenbank installieren",
        "IDS_BTN_README": "Liesmich",
        "IDS_BTN_WEBSITE": "Unsere Website besuchen",
        "IDS_BTN_MORE": "Mehr...",
        "IDS_BTN_ABOUT": "Info",
        "IDS_BTN_EXIT": "Beenden",
        "IDS_BTN_REQUIREMENTS": "Systemvoraussetzungen",
        "IDS_BTN_BROWSE": "Dokumente durchsuchen",
        "IDS_BTN_BACK": "Zur\u00fcck",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n\u00a9 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 oder h\u00f6her\\n2 GB Arbeitsspeicher\\n500 MB freier Speicherplatz",
    },
    "ES": {
        "IDS_FILENOTFOUND": "No se ha encontrado el archivo %1.",
        "IDS_NOFILE_ASSOCIATION": "Ning\u00fan programa de este equipo abre este tipo de archivo.",
        "IDS_FILEOPEN_ERROR": "No se ha podido abrir el archivo.",
        "IDS_LICENSECAPTION": "Contrato de licencia",
        "IDS_OK": "Continuar",
        "IDS_CANCEL": "Cancelar",
        "IDS_AGREEMENT": "Acepto los t\u00e9rminos del contrato de licencia",
        "IDS_LICENSEHEADER": "Lea atentamente el siguiente contrato de licencia.",
        "IDS_EULA": "Licencia.rtf",
        "IDS_CAPTION": "Elija la contrase\u00f1a del administrador de la base de datos: al menos 6 caracteres, con una may\u00fascula y un d\u00edgito.",
        "IDS_PASSWORD": "Contrase\u00f1a:",
        "IDS_CONFIRM": "Confirmar contrase\u00f1a:",
        "IDS_INSTALL": "Instalar",
        "IDS_SQLEXPRESS_FAILED": "La instalaci\u00f3n de la base de datos no se ha podido iniciar o no ha terminado.",
        "IDS_REBOOT_REQUIRED": "La instalaci\u00f3n de la base de datos ha terminado. Reinicie el equipo antes de usar Sample Product.",
        "IDS_BTN_INSTALL": "Instalar Sample Product",
        "IDS_BTN_DATABASE": "Instalar la base de datos",
        "IDS_BTN_README": "L\u00e9ame",
        "IDS_BTN_WEBSITE": "Visitar nuestro sitio web",
        "IDS_BTN_MORE": "M\u00e1s...",
        "IDS_BTN_ABOUT": "Acerca de",
        "IDS_BTN_EXIT": "Salir",
        "IDS_BTN_REQUIREMENTS": "Requisitos del sistema",
        "IDS_BTN_BROWSE": "Examinar los documentos",
        "IDS_BTN_BACK": "Volver",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n\u00a9 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 o posterior\\n2 GB de memoria\\n500 MB de espacio libre en disco",
    },
    "IT": {
        "IDS_FILENOTFOUND": "Impossibile trovare il file %1.",
        "IDS_NOFILE_ASSOCIATION": "Nessun programma di questo computer apre questo tipo di file.",
        "IDS_FILEOPEN_ERROR": "Impossibile aprire il file.",
        "IDS_LICENSECAPTION": "Contratto di licenza",
        "IDS_OK": "Continua",
        "IDS_CANCEL": "Annulla",
        "IDS_AGREEMENT": "Accetto i termini del contratto di licenza",
        "IDS_LICENSEHEADER": "Leggere attentamente il seguente contratto di licenza.",
        "IDS_EULA": "Licenza.rtf",
        "IDS_CAPTION": "Scegliere la password dell'amministratore del database: almeno 6 caratteri, con una lettera maiuscola e una cifra.",
        "IDS_PASSWORD": "Password:",
        "IDS_CONFIRM": "Conferma password:",
        "IDS_INSTALL": "Installa",
        "IDS_SQLEXPRESS_FAILED": "Impossibile avviare o completare l'installazione del database.",
        "IDS_REBOOT_REQUIRED": "L'installazione del database \u00e8 terminata. Riavviare il computer prima di usare Sample Product.",
        "IDS_BTN_INSTALL": "Installa Sample Product",
        "IDS_BTN_DATABASE": "Installa il database",
        "IDS_BTN_README": "Leggimi",
        "IDS_BTN_WEBSITE": "Visita il nostro sito web",
        "IDS_BTN_MORE": "Altro...",
        "IDS_BTN_ABOUT": "Informazioni",
        "IDS_BTN_EXIT": "Esci",
        "IDS_BTN_REQUIREMENTS": "Requisiti di sistema",
        "IDS_BTN_BROWSE": "Sfoglia i documenti",
        "IDS_BTN_BACK": "Indietro",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n\u00a9 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 o versioni successive\\n2 GB di memoria\\n500 MB di spazio libero su disco",
    },
    "JA": {
        "IDS_FILENOTFOUND": "\u30d5\u30a1\u30a4\u30eb %1 \u304c\u898b\u3064\u304b\u308a\u307e\u305b\u3093\u3002",
        "IDS_NOFILE_ASSOCIATION": "\u3053\u306e\u7a2e\u985e\u306e\u30d5\u30a1\u30a4\u30eb\u3092\u958b\u304f\u30d7\u30ed\u30b0\u30e9\u30e0\u304c\u3042\u308a\u307e\u305b\u3093\u3002",
        "IDS_FILEOPEN_ERROR": "\u30d5\u30a1\u30a4\u30eb\u3092\u958b\u3051\u307e\u305b\u3093\u3067\u3057\u305f\u3002",
        "IDS_LICENSECAPTION": "\u4f7f\u7528\u8a31\u8afe\u5951\u7d04",
        "IDS_OK": "\u7d9a\u884c",
        "IDS_CANCEL": "\u30ad\u30e3\u30f3\u30bb\u30eb",
        "IDS_AGREEMENT": "\u4f7f\u7528\u8a31\u8afe\u5951\u7d04\u306e\u6761\u9805\u306b\u540c\u610f\u3057\u307e\u3059",
        "IDS_LICENSEHEADER": "\u6b21\u306e\u4f7f\u7528\u8a31\u8afe\u5951\u7d04\u3092\u3088\u304f\u304a\u8aad\u307f\u304f\u3060\u3055\u3044\u3002",
        "IDS_EULA": "License.rtf",
        "IDS_CAPTION": "\u30c7\u30fc\u30bf\u30d9\u30fc\u30b9\u7ba1\u7406\u8005\u306e\u30d1\u30b9\u30ef\u30fc\u30c9\u3092\u5165\u529b\u3057\u3066\u304f\u3060\u3055\u3044 (6 \u6587\u5b57\u4ee5\u4e0a\u3001\u82f1\u5927\u6587\u5b57\u3068\u6570\u5b57\u3092\u542b\u3080)\u3002",
        "IDS_PASSWORD": "\u30d1\u30b9\u30ef\u30fc\u30c9:",
        "IDS_CONFIRM": "\u30d1\u30b9\u30ef\u30fc\u30c9\u306e\u78ba\u8a8d:",
        "IDS_INSTALL": "\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb",
        "IDS_SQLEXPRESS_FAILED": "\u30c7\u30fc\u30bf\u30d9\u30fc\u30b9\u306e\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u3092\u958b\u59cb\u3067\u304d\u306a\u3044\u304b\u3001\u5b8c\u4e86\u3057\u307e\u305b\u3093\u3067\u3057\u305f\u3002",
        "IDS_REBOOT_REQUIRED": "\u30c7\u30fc\u30bf\u30d9\u30fc\u30b9\u306e\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u304c\u7d42\u4e86\u3057\u307e\u3057\u305f\u3002Sample Product \u3092\u4f7f\u3046\u524d\u306b\u30b3\u30f3\u30d4\u30e5\u30fc\u30bf\u30fc\u3092\u518d\u8d77\u52d5\u3057\u3066\u304f\u3060\u3055\u3044\u3002",
        "IDS_BTN_INSTALL": "Sample Product \u306e\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb",
        "IDS_BTN_DATABASE": "\u30c7\u30fc\u30bf\u30d9\u30fc\u30b9\u306e\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb",
        "IDS_BTN_README": "\u306f\u3058\u3081\u306b\u304a\u8aad\u307f\u304f\u3060\u3055\u3044",
        "IDS_BTN_WEBSITE": "Web \u30b5\u30a4\u30c8\u3092\u898b\u308b",
        "IDS_BTN_MORE": "\u305d\u306e\u4ed6...",
        "IDS_BTN_ABOUT": "\u30d0\u30fc\u30b8\u30e7\u30f3\u60c5\u5831",
        "IDS_BTN_EXIT": "\u7d42\u4e86",
        "IDS_BTN_REQUIREMENTS": "\u30b7\u30b9\u30c6\u30e0\u8981\u4ef6",
        "IDS_BTN_BROWSE": "\u30c9\u30ad\u30e5\u30e1\u30f3\u30c8\u3092\u53c2\u7167",
        "IDS_BTN_BACK": "\u623b\u308b",
        "IDS_ABOUT_TEXT": "Sample Product 2.1\\n(C) 2026 Example Software",
        "IDS_REQUIREMENTS_TEXT": "Windows 7 \u4ee5\u964d\\n\u30e1\u30e2\u30ea 2 GB\\n\u30c7\u30a3\u30b9\u30af\u306e\u7a7a\u304d\u5bb9\u91cf 500 MB",
    },
}

CODE_PAGES = {"EN": "cp1252", "FR": "cp1252", "DE": "cp1252", "ES": "cp1252", "IT": "cp1252",
              "JA": "cp932"}

LICENCE = {
    "EN": ("SAMPLE PRODUCT LICENCE AGREEMENT",
           ["This is a sample licence agreement. It shows how the launcher presents a licence text before it starts an installer.",
            "1. You may install and use the software on any number of computers.",
            "2. The software is provided as it is, without any warranty.",
            "By ticking the box below you accept these terms."]),
    "FR": ("CONTRAT DE LICENCE DE SAMPLE PRODUCT",
           ["Ceci est un exemple de contrat de licence. Il montre comment le lanceur pr\u00e9sente un texte de licence avant de d\u00e9marrer un programme d'installation.",
            "1. Vous pouvez installer et utiliser le logiciel sur un nombre quelconque d'ordinateurs.",
            "2. Le logiciel est fourni tel quel, sans aucune garantie.",
            "En cochant la case ci-dessous, vous acceptez ces conditions."]),
    "DE": ("LIZENZVERTRAG F\u00dcR SAMPLE PRODUCT",
           ["Dies ist ein Beispiel f\u00fcr einen Lizenzvertrag. Er zeigt, wie der Starter einen Lizenztext anzeigt, bevor er ein Installationsprogramm startet.",
            "1. Sie d\u00fcrfen die Software auf beliebig vielen Computern installieren und verwenden.",
            "2. Die Software wird ohne jede Gew\u00e4hrleistung bereitgestellt.",
            "Mit dem H\u00e4kchen im Feld unten nehmen Sie diese Bedingungen an."]),
    "ES": ("CONTRATO DE LICENCIA DE SAMPLE PRODUCT",
           ["Este es un contrato de licencia de ejemplo. Muestra c\u00f3mo el iniciador presenta un texto de licencia antes de iniciar un instalador.",
            "1. Puede instalar y usar el software en cualquier n\u00famero de equipos.",
            "2. El software se proporciona tal cual, sin ninguna garant\u00eda.",
            "Al marcar la casilla de abajo, acepta estas condiciones."]),
    "IT": ("CONTRATTO DI LICENZA DI SAMPLE PRODUCT",
           ["Questo \u00e8 un contratto di licenza di esempio. Mostra come il programma di avvio presenta un testo di licenza prima di avviare un programma di installazione.",
            "1. \u00c8 possibile installare e usare il software su qualsiasi numero di computer.",
            "2. Il software viene fornito cos\u00ec com'\u00e8, senza alcuna garanzia.",
            "Selezionando la casella qui sotto si accettano queste condizioni."]),
    "JA": ("Sample Product \u4f7f\u7528\u8a31\u8afe\u5951\u7d04",
           ["\u3053\u308c\u306f\u4f7f\u7528\u8a31\u8afe\u5951\u7d04\u306e\u30b5\u30f3\u30d7\u30eb\u3067\u3059\u3002\u30e9\u30f3\u30c1\u30e3\u30fc\u304c\u30a4\u30f3\u30b9\u30c8\u30fc\u30e9\u30fc\u3092\u8d77\u52d5\u3059\u308b\u524d\u306b\u4f7f\u7528\u8a31\u8afe\u5951\u7d04\u3092\u8868\u793a\u3059\u308b\u69d8\u5b50\u3092\u793a\u3057\u307e\u3059\u3002",
            "1. \u672c\u30bd\u30d5\u30c8\u30a6\u30a7\u30a2\u306f\u4efb\u610f\u306e\u53f0\u6570\u306e\u30b3\u30f3\u30d4\u30e5\u30fc\u30bf\u30fc\u306b\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u3057\u3066\u4f7f\u7528\u3067\u304d\u307e\u3059\u3002",
            "2. \u672c\u30bd\u30d5\u30c8\u30a6\u30a7\u30a2\u306f\u73fe\u72b6\u306e\u307e\u307e\u63d0\u4f9b\u3055\u308c\u3001\u4e00\u5207\u306e\u4fdd\u8a3c\u306f\u3042\u308a\u307e\u305b\u3093\u3002",
            "\u4e0b\u306e\u30c1\u30a7\u30c3\u30af \u30dc\u30c3\u30af\u30b9\u3092\u30aa\u30f3\u306b\u3059\u308b\u3068\u3001\u3053\u308c\u3089\u306e\u6761\u4ef6\u306b\u540c\u610f\u3057\u305f\u3053\u3068\u306b\u306a\u308a\u307e\u3059\u3002"]),
}


def write_setup_ini(path):
    forms = {}
    for form, *_ in BUTTONS:
        forms.setdefault(form, []).append(_)
    out = MAIN.encode("ascii")
    for form, buttons in forms.items():
        if form != "main":
            out += b"\n[%s]\nbuttonCount=%d\n" % (form.encode(), len(buttons))
        for i, (label, action, url, args) in enumerate(buttons):
            lines = ["", "[%s.button%d]" % (form, i + 1), "label=" + label, "action=" + action]
            if url:
                lines.append("url=" + url)
            if args:
                lines.append("args=" + args)
            lines += ["font=Tahoma", "x=%d" % BUTTON_X, "y=%d" % (BUTTON_TOP + i * BUTTON_STEP),
                      "width=%d" % BUTTON_WIDTH, "height=%d" % BUTTON_HEIGHT]
            out += "\n".join(lines).encode("ascii") + b"\n"
    for code, texts in TEXTS.items():
        section = "\n[%s]\n" % code + "".join("%s=%s\n" % kv for kv in texts.items())
        out += section.encode(CODE_PAGES[code])
    with open(path, "wb") as f:
        f.write(out.replace(b"\n", b"\r\n"))


def rtf_escape(text, code_page):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.extend("\\'%02x" % b for b in ch.encode(code_page))
    return "".join(out)


def write_licence(path, code):
    cp = CODE_PAGES[code]
    ansicpg, charset, face = (932, 128, "MS UI Gothic") if cp == "cp932" else (1252, 0, "Arial")
    title, paragraphs = LICENCE[code]
    body = "\\pard\\sa120\\b\\fs24 %s\\b0\\fs18\\par\n" % rtf_escape(title, cp)
    body += "".join("\\pard\\sa120 %s\\par\n" % rtf_escape(p, cp) for p in paragraphs)
    rtf = ("{\\rtf1\\ansi\\ansicpg%d\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset%d %s;}}\n"
           "{\\colortbl;\\red16\\green40\\blue96;}\n\\viewkind4\\uc1\\f0\\fs18\\cf1\n%s}\n"
           % (ansicpg, charset, rtf_escape(face, cp), body))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(rtf.encode("ascii").replace(b"\n", b"\r\n"))


write_setup_ini(os.path.join(DEMO, "Setup.ini"))
for code in TEXTS:
    write_licence(os.path.join(DEMO, "Eula", code, TEXTS[code]["IDS_EULA"]), code)
