<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1 Version %2...</source>
        <translation>Über %1 Version %2...</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Free planetarium software for beginning star-gazers.</source>
        <translation>Freie Planetariumssoftware für Einsteiger in die Sternbeobachtung.</translation>
    </message>
    <message>
        <source>Terms of use: Velquorran is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and the licence go with every copy. The constellation figures derive from data by Olaf Frohn (BSD 3-Clause licence).</source>
        <translation>Nutzungsbedingungen: Velquorran ist freie Software unter der MIT-Lizenz. Sie dürfen es benutzen, kopieren, verändern und weitergeben, sofern der Urheberrechtsvermerk und die Lizenz jeder Kopie beiliegen. Die Sternbildfiguren beruhen auf Daten von Olaf Frohn (BSD-3-Clause-Lizenz).</translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Dieses Programm wird OHNE JEDE GEWÄHRLEISTUNG geliefert.</translation>
    </message>
    <message>
        <source>Acknowledgements:</source>
        <translation>Dank:</translation>
    </message>
    <message>
        <source>- The astronomical calculations follow the methods of Peter Duffett-Smith, Practical Astronomy with your Calculator.</source>
        <translation>- Die astronomischen Rechnungen folgen den Verfahren von Peter Duffett-Smith, Practical Astronomy with your Calculator.</translation>
    </message>
    <message>
        <source>- The star data are taken from the Bright Star Catalogue, 5th Revised Edition, of the Yale University Observatory.</source>
        <translation>- Die Sterndaten stammen aus dem Bright Star Catalogue, 5. überarbeitete Ausgabe, der Sternwarte der Yale University.</translation>
    </message>
    <message>
        <source>- The Messier data are taken from the web page of Bretton Wade&apos;s JSON conversion of the catalogues (MIT licence).</source>
        <translation>- Die Messier-Daten stammen von der Webseite der JSON-Fassung der Kataloge von Bretton Wade (MIT-Lizenz).</translation>
    </message>
    <message>
        <source>- Thanks to the members of our local astronomy club for their encouragement.</source>
        <translation>- Dank an die Mitglieder unseres örtlichen Astronomievereins für ihre Ermutigung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>%4d/%02d/%02d  %02d:%02d:%02d</source>
        <translation>%3$02d.%2$02d.%1$4d  %4$02d:%5$02d:%6$02d</translation>
    </message>
    <message>
        <source>Date &amp; Time of Map:</source>
        <translation>Datum und Uhrzeit der Karte:</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude: %3.1f</source>
        <translation>Schwächste Sterne: %3.1f mag</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>NNO</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSO</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSW</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>WSW</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>WNW</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNW</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Nicht genug Speicher für ein Bild von %1 x %2 Pixeln.</translation>
    </message>
    <message>
        <source>The PNG picture could not be encoded.</source>
        <translation>Das PNG-Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The SVG drawing could not be started.</source>
        <translation>Die SVG-Zeichnung konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>Das PDF-Dokument konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The PDF page could not be made %1 x %2 points.</source>
        <translation>Die PDF-Seite konnte nicht %1 x %2 Punkte groß angelegt werden.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The end of a list: &quot;%1 or %2&quot; gives &quot;.png, .svg, .pdf or .emf&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Cannot tell the file type of &quot;%1&quot;: its name must end in %2.</source>
        <translation>Die Dateiart von &quot;%1&quot; ist nicht zu erkennen: Ihr Name muss auf %2 enden.</translation>
    </message>
    <message>
        <source>The chart size must be 1 to %1 pixels each way.</source>
        <translation>Die Karte muss in jeder Richtung 1 bis %1 Pixel groß sein.</translation>
    </message>
    <message>
        <source>The metafile could not be written: %1.</source>
        <translation>Die Metadatei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 (written in place, as its folder takes no new files: the file may be incomplete)</source>
        <translation>%1 (direkt überschrieben, da ihr Ordner keine neuen Dateien aufnimmt: die Datei kann unvollständig sein)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Not enough memory for the planisphere&apos;s picture.</source>
        <translation>Nicht genug Speicher für das Bild der drehbaren Sternkarte.</translation>
    </message>
    <message>
        <source>Velquorran star chart</source>
        <translation>Velquorran-Sternkarte</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Star, Messier object, planet, Moon, Sun or constellation
(for example Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, Orion):</source>
        <translation>Stern, Messier-Objekt, Planet, Mond, Sonne oder Sternbild
(zum Beispiel Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, Orion):</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;.</source>
        <translation>Nichts heißt &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;. Did you mean: %2?</source>
        <translation>Nichts heißt &quot;%1&quot;. Meinten Sie: %2?</translation>
    </message>
</context>
<context>
    <name>GettingStartedDialog</name>
    <message>
        <source>Set your place</source>
        <translation>Den eigenen Ort einstellen</translation>
    </message>
    <message>
        <source>Right-click the chart to open the menu and choose Place... (%1). Type a part of your city&apos;s name and pick it from the list: that fills in your latitude, longitude and time zone. You can also type them, as 51.5072 N and 0.1275 W. Settings... (%2) sets the latitude alone.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Karte, um das Menü zu öffnen, und wählen Sie Ort... (%1). Tippen Sie einen Teil des Namens Ihrer Stadt ein und wählen Sie sie aus der Liste: Das trägt Breite, Länge und Zeitzone ein. Sie können sie auch selbst eingeben, etwa 52.52 N und 13.405 E. Einstellungen... (%2) setzt nur die Breite.</translation>
    </message>
    <message>
        <source>Then choose Time &gt; Now (%1): the chart shows the sky as it is at this moment. The date and time at the top left set any other moment.</source>
        <translation>Wählen Sie dann Zeit &gt; Jetzt (%1): Die Karte zeigt den Himmel, wie er in diesem Augenblick ist. Datum und Uhrzeit oben links stellen jeden anderen Zeitpunkt ein.</translation>
    </message>
    <message>
        <source>Face a direction and hold the chart</source>
        <translation>In eine Richtung blicken und die Karte halten</translation>
    </message>
    <message>
        <source>The rim of the disc is your horizon and its centre the point straight overhead. Go outside, find the direction you will face (south is a good start) and choose it under Map Orientation: that direction goes to the bottom of the disc.</source>
        <translation>Der Rand der Scheibe ist Ihr Horizont, ihre Mitte der Punkt genau über Ihnen. Gehen Sie hinaus, suchen Sie die Richtung, in die Sie blicken werden (Süden ist ein guter Anfang), und wählen Sie sie unter Ausrichtung der Karte: Diese Richtung rückt an den unteren Rand der Scheibe.</translation>
    </message>
    <message>
        <source>Hold the chart in front of you with that edge down and lift it towards the sky. Stars near the bottom edge stand low over the horizon you face; stars near the centre are high above you. Give your eyes a quarter of an hour in the dark, and keep them dark-adapted with Night Mode (%1).</source>
        <translation>Halten Sie die Karte mit diesem Rand nach unten vor sich und heben Sie sie zum Himmel. Sterne nahe dem unteren Rand stehen tief über dem Horizont, dem Sie zugewandt sind; Sterne nahe der Mitte stehen hoch über Ihnen. Geben Sie Ihren Augen eine Viertelstunde im Dunkeln, und erhalten Sie die Dunkelanpassung mit dem Nachtmodus (%1).</translation>
    </message>
    <message>
        <source>Read the disc</source>
        <translation>Die Scheibe lesen</translation>
    </message>
    <message>
        <source>East and west are swapped against a map: a map shows the ground from above, the chart shows the sky from below, as you see it when you look up. Facing south, east is on your left and west on your right; the letters round the rim say which way is which.</source>
        <translation>Osten und Westen sind gegenüber einer Landkarte vertauscht: Eine Landkarte zeigt den Boden von oben, die Sternkarte den Himmel von unten, so wie Sie ihn beim Hinaufschauen sehen. Nach Süden blickend ist Osten links und Westen rechts; die Buchstaben am Rand sagen, welche Richtung welche ist.</translation>
    </message>
    <message>
        <source>The larger the dot, the brighter the star. The small rings are the planets and the Moon, the filled disc is the Sun, and Constellations &gt; Show all draws the figures in red. Point at anything and the box at the bottom left names it; Labels writes names on the chart, and its Legend explains the marks.</source>
        <translation>Je größer der Punkt, desto heller der Stern. Die kleinen Ringe sind die Planeten und der Mond, die gefüllte Scheibe ist die Sonne, und Sternbilder &gt; Alle zeigen zeichnet die Figuren in Rot. Zeigen Sie auf etwas, und das Feld unten links nennt es; Beschriftung schreibt Namen auf die Karte, und ihre Legende erklärt die Zeichen.</translation>
    </message>
    <message>
        <source>Find tonight&apos;s planets</source>
        <translation>Die Planeten des Abends finden</translation>
    </message>
    <message>
        <source>Tonight... in the menu lists what is worth looking at this evening: the planets that are up, when they rise and set, and when the sky gets dark.</source>
        <translation>Heute Abend... im Menü zählt auf, was sich an diesem Abend zu betrachten lohnt: die Planeten am Himmel, wann sie auf- und untergehen und wann es dunkel wird.</translation>
    </message>
    <message>
        <source>Find... (%1) takes the name of a planet, a star or a constellation (Jupiter, Sirius, Orion). It is ringed on the chart, and the box at the bottom left says how high it stands, in which direction, and when it next rises, transits and sets; Go to Rising and Go to Transit move the chart to those moments. A planet shines steadily, without the twinkling of the stars near it, and wanders slowly among them from week to week.</source>
        <translation>Suchen... (%1) nimmt den Namen eines Planeten, eines Sterns oder eines Sternbilds (Jupiter, Sirius, Orion). Es wird auf der Karte umkreist, und das Feld unten links sagt, wie hoch es steht, in welcher Richtung und wann es als Nächstes aufgeht, den Meridian kreuzt und untergeht; Zum Aufgang und Zum Meridiandurchgang stellen die Karte auf diese Zeitpunkte. Ein Planet leuchtet ruhig, ohne das Funkeln der Sterne um ihn, und wandert von Woche zu Woche langsam zwischen ihnen.</translation>
    </message>
    <message>
        <source>Use the planisphere</source>
        <translation>Die drehbare Sternkarte benutzen</translation>
    </message>
    <message>
        <source>Print &gt; Make Planisphere... saves a card planisphere made for your latitude: a star wheel and a horizon mask, one page each. Print both at 100% (the 100 mm scale bar shows whether the printer kept the size), cut them out along the thick lines, lay the mask on the wheel and join them with a paper fastener through the two pole crosses.</source>
        <translation>Drucken &gt; Drehbare Sternkarte erstellen... speichert eine drehbare Sternkarte für Ihre Breite: eine Sternscheibe und eine Horizontmaske, je eine Seite. Drucken Sie beide mit 100 % (der 100-mm-Maßstab zeigt, ob der Drucker die Größe beibehalten hat), schneiden Sie sie an den dicken Linien aus, legen Sie die Maske auf die Scheibe und verbinden Sie beide mit einer Musterklammer durch die zwei Polkreuze.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands against the clock time on the rim of the mask: the window shows the sky at that moment. Hold it overhead with the horizon you face at the bottom, as you hold the chart.</source>
        <translation>Drehen Sie die Scheibe, bis das Datum an der Uhrzeit am Rand der Maske steht: Das Fenster zeigt den Himmel zu diesem Zeitpunkt. Halten Sie sie über den Kopf, den Horizont, dem Sie zugewandt sind, unten, so wie die Karte.</translation>
    </message>
    <message>
        <source>A winter evening at %1, facing south</source>
        <translation>Ein Winterabend auf %1, Blick nach Süden</translation>
    </message>
    <message>
        <source>The same sky facing north: east is now on the right</source>
        <translation>Derselbe Himmel mit Blick nach Norden: Osten ist jetzt rechts</translation>
    </message>
    <message>
        <source>The star wheel for %1</source>
        <translation>Die Sternscheibe für %1</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
</context>
<context>
    <name>LabelsMenu</name>
    <message>
        <source>Star names</source>
        <translation>Sternnamen</translation>
    </message>
    <message>
        <source>Constellation names (shown figures)</source>
        <translation>Sternbildnamen (gezeigte Figuren)</translation>
    </message>
    <message>
        <source>All constellation names</source>
        <translation>Alle Sternbildnamen</translation>
    </message>
    <message>
        <source>Sun, Moon and planets (Moon phase)</source>
        <translation>Sonne, Mond und Planeten (Mondphase)</translation>
    </message>
    <message>
        <source>Messier numbers</source>
        <translation>Messier-Nummern</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftung</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>planet or Moon</source>
        <translation>Planet oder Mond</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messier-Objekt</translation>
    </message>
    <message>
        <source>constellation figure</source>
        <translation>Sternbildfigur</translation>
    </message>
    <message>
        <source>star magnitudes:</source>
        <translation>Sternhelligkeiten (mag):</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Milchstraße</translation>
    </message>
    <message>
        <source>constellation boundary</source>
        <translation>Sternbildgrenze</translation>
    </message>
    <message>
        <source>ecliptic</source>
        <translation>Ekliptik</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>Himmelsäquator</translation>
    </message>
    <message>
        <source>altitude and azimuth grid</source>
        <translation>Höhen- und Azimutgitter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>h:mm AP ddd MMM dd, yyyy</source>
        <extracomment>A Qt date format (QDateTime::toString): h hour, mm minutes, AP AM/PM, ddd weekday, MMM month, dd day, yyyy year. Keep it about 24 characters long.</extracomment>
        <translation>HH:mm ddd dd. MMM yyyy</translation>
    </message>
    <message>
        <source>Place...</source>
        <translation>Ort...</translation>
    </message>
    <message>
        <source>Cursor is on:</source>
        <translation>Unter dem Zeiger:</translation>
    </message>
    <message>
        <source>Star chart, cursor is on: %1</source>
        <translation>Sternkarte, unter dem Zeiger: %1</translation>
    </message>
    <message>
        <source>Velquorran0.2    (right click below for menu)</source>
        <translation>Velquorran0.2    (Rechtsklick unten öffnet das Menü)</translation>
    </message>
    <message>
        <source>Sorry, I cannot get started!</source>
        <translation>Leider kann ich nicht starten!</translation>
    </message>
    <message>
        <source>Save settings before exiting?</source>
        <translation>Einstellungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Do you want to save your new settings before exiting?</source>
        <translation>Möchten Sie Ihre neuen Einstellungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Sorry, I cannot write to Settings.dat</source>
        <translation>Leider kann ich nicht in Settings.dat schreiben</translation>
    </message>
    <message>
        <source>Star chart</source>
        <translation>Sternkarte</translation>
    </message>
    <message>
        <source>The sky above the horizon. Arrow keys move a pointer ring and the object under it is named; the Menu key or Shift+F10 opens the commands.</source>
        <translation>Der Himmel über dem Horizont. Die Pfeiltasten bewegen einen Zeigerring, und das Objekt darunter wird genannt; die Menütaste oder Umschalt+F10 öffnet die Befehle.</translation>
    </message>
    <message>
        <source>Date &amp; Time of Map</source>
        <translation>Datum und Uhrzeit der Karte</translation>
    </message>
    <message>
        <source>The date and time the chart shows. Left and right choose a field, up and down change it.</source>
        <translation>Datum und Uhrzeit, die die Karte zeigt. Links und rechts wählen ein Feld, auf und ab ändern es.</translation>
    </message>
    <message>
        <source>Stars fainter than this magnitude are not drawn. Arrow keys, plus and minus step it by 0.1; Page Up and Page Down by 1.</source>
        <translation>Sterne, die schwächer als diese Größe sind, werden nicht gezeichnet. Pfeiltasten, Plus und Minus ändern sie um 0,1; Bild auf und Bild ab um 1.</translation>
    </message>
    <message>
        <source>Chart commands</source>
        <translation>Befehle der Karte</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude %1</source>
        <translation>Schwächste Sterne %1 mag</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>JulianDate: Month out-of-bounds</source>
        <translation>JulianDate: Monat außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>JulianDate: Day out-of-bounds</source>
        <translation>JulianDate: Tag außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Star database appears messed up.  Expected:%1d.  Found:%1d</source>
        <translation>Die Sterndatenbank scheint beschädigt.  Erwartet:%1d.  Gefunden:%1d</translation>
    </message>
    <message>
        <source>Not Enough HotSpots</source>
        <translation>Nicht genug Hotspots</translation>
    </message>
    <message>
        <source>There were %d more stars displayed than HotSpots available</source>
        <translation>Es wurden %d Sterne mehr angezeigt, als Hotspots verfügbar sind</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>--figures: no constellation is abbreviated &quot;%1&quot;</source>
        <translation>--figures: kein Sternbild hat die Abkürzung &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;</source>
        <translation>--place: keine Stadt der Zeitzonendatenbank heißt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;; the closest are %2</source>
        <translation>--place: keine Stadt der Zeitzonendatenbank heißt &quot;%1&quot;; am nächsten kommen %2</translation>
    </message>
    <message>
        <source>--zone must be an IANA time-zone name such as Europe/London, or UTC+hh:mm, not &quot;%1&quot;</source>
        <translation>--zone muss ein IANA-Zeitzonenname wie Europe/Berlin oder UTC+hh:mm sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;</source>
        <translation>kein Objekt heißt &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;; close matches: %2</source>
        <translation>kein Objekt heißt &quot;%1&quot;; ähnliche Namen: %2</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; zeigt die Optionen.</translation>
    </message>
    <message>
        <source>--language must be one of %1, not &quot;%2&quot;</source>
        <translation>--language muss eine von %1 sein, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht in die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kann nicht in die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--latitude must be a number of degrees from -90 (south) to 90 (north), not %1</source>
        <translation>--latitude muss eine Gradzahl von -90 (Süd) bis 90 (Nord) sein, nicht %1</translation>
    </message>
    <message>
        <source>--longitude must be degrees from -180 (west) to 180 (east), or unsigned with W or E after it (74.006W, 0.13E), not %1</source>
        <translation>--longitude muss Grad von -180 (West) bis 180 (Ost) sein, oder ohne Vorzeichen mit W oder E dahinter (74.006W, 0.13E), nicht %1</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 braucht einen Namen</translation>
    </message>
    <message>
        <source>--time must be a date and time written YYYY-MM-DDTHH:MM:SS, for example 2024-01-15T21:00:00, not %1</source>
        <translation>--time muss Datum und Uhrzeit in der Form YYYY-MM-DDTHH:MM:SS sein, zum Beispiel 2024-01-15T21:00:00, nicht %1</translation>
    </message>
    <message>
        <source>--magnitude must be a number from 0 to 6.5, not %1</source>
        <translation>--magnitude muss eine Zahl von 0 bis 6.5 sein, nicht %1</translation>
    </message>
    <message>
        <source>--facing must be one of N, NE, E, SE, S, SW, W, NW, not %1</source>
        <translation>--facing muss eines von N, NE, E, SE, S, SW, W, NW sein (E für Osten), nicht %1</translation>
    </message>
    <message>
        <source>--figures must be all, none, or constellation abbreviations separated by commas (for example Ori,CMa), not %1</source>
        <translation>--figures muss all, none oder durch Kommas getrennte Sternbildabkürzungen sein (zum Beispiel Ori,CMa), nicht %1</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT in pixels, each from %1 to %2, not %3</source>
        <translation>--size muss BREITExHÖHE in Pixeln sein, jeweils von %1 bis %2, nicht %3</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>the output file name must end in %1, not %2</source>
        <translation>der Name der Ausgabedatei muss auf %1 enden, nicht %2</translation>
    </message>
    <message>
        <source>--labels must be all, none, or some of stars, constellations, all-constellations, planets, deep-sky, legend separated by commas, not %1</source>
        <translation>--labels muss all, none oder durch Kommas getrennt einige von stars, constellations, all-constellations, planets, deep-sky, legend sein, nicht %1</translation>
    </message>
    <message>
        <source>--find needs a name</source>
        <translation>--find braucht einen Namen</translation>
    </message>
    <message>
        <source>--page must be A4 or Letter, not %1</source>
        <translation>--page muss A4 oder Letter sein, nicht %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--night is a screen look and cannot go with --print</source>
        <translation>--night ist eine Bildschirmdarstellung und geht nicht mit --print zusammen</translation>
    </message>
    <message>
        <source>--planisphere needs -o FILE ending in .pdf, .svg or .png</source>
        <translation>--planisphere braucht -o DATEI mit der Endung .pdf, .svg oder .png</translation>
    </message>
    <message>
        <source>nothing to do: give -o FILE, --list or --find NAME</source>
        <translation>nichts zu tun: geben Sie -o DATEI, --list oder --find NAME an</translation>
    </message>
    <message>
        <source>--tonight cannot go with --planisphere: give one of them</source>
        <translation>--tonight geht nicht zusammen mit --planisphere: geben Sie eines davon an</translation>
    </message>
    <message>
        <source>--tonight cannot go with --list or --find: give one of them</source>
        <translation>--tonight geht nicht zusammen mit --list oder --find: geben Sie eines davon an</translation>
    </message>
    <message>
        <source>--tonight&apos;s sheet is printed: it cannot go with --night</source>
        <translation>das Blatt von --tonight wird gedruckt: es geht nicht zusammen mit --night</translation>
    </message>
    <message>
        <source>--tonight writes its observing sheet as a PDF: -o FILE.pdf, not %1</source>
        <translation>--tonight schreibt sein Beobachtungsblatt als PDF: -o DATEI.pdf, nicht %1</translation>
    </message>
    <message>
        <source>--sky must be all, none, or some of milky-way, boundaries, ecliptic, equator, grid separated by commas, not %1</source>
        <translation>--sky muss all, none oder durch Kommas getrennt einige von milky-way, boundaries, ecliptic, equator, grid sein, nicht %1</translation>
    </message>
    <message>
        <source>Usage: velquorran-chart [options] (-o FILE | --list | --find NAME | --tonight)
Draws the sky above the horizon for a latitude and an instant, as a disc.

  --latitude DEG     observer latitude, -90 (south) to 90 (north); default: the
                     number in Settings.dat in this folder, else 0
  --time YYYY-MM-DDTHH:MM:SS
                     date and time of the chart, or now; default: now. It is
                     civil time in the --zone given, else UT (the local clock&apos;s
                     time for now, when neither place nor zone is given)
  --longitude DEG    observer longitude, east positive (-180 to 180), or with W
                     or E after it (74.006W, 0.13E); default 0
  --zone NAME        time zone of --time: an IANA name (Europe/London) or UTC+hh:mm
  --place NAME       a city of the system&apos;s time-zone database (London, New York):
                     its latitude, longitude and zone, unless given separately
  --magnitude M      dimmest star magnitude shown, 0 to 6.5; default 4.4
  --facing DIR       direction at the bottom of the chart: N, NE, E, SE, S, SW, W
                     or NW; default S
  --figures LIST     constellation figures: all, none or abbreviations separated
                     by commas (Ori,CMa,UMa); default none
  --deep-sky         mark the Messier objects
  --size WxH         picture size in pixels, 100 to 10000 each; default 1200x900
  --print            black on white, as printed
  --labels LIST      names on the chart: all, none, or some of stars,
                     constellations, all-constellations, planets, deep-sky,
                     legend separated by commas; default none
  --sky LIST         the sky&apos;s own lines and shapes under the stars: all, none, or
                     some of milky-way, boundaries, ecliptic, equator, grid
                     separated by commas; also on the planisphere&apos;s wheel
                     (milky-way, boundaries); default none
  --night            red on black, for eyes adapted to the dark
  -o FILE            write the chart to FILE: %1
  --list             list what is above the horizon: label, altitude and azimuth
                     (degrees), x and y on the chart, separated by tabs
  --find NAME        where a star, Messier object, planet, the Moon, the Sun or a
                     constellation stands, and its next rising, transit and setting:
                     label, altitude, azimuth, rising, transit, setting (times as
                     YYYY-MM-DDTHH:MM:SS, - where none), separated by tabs
  --precise          precise positions: the Sun, Moon and planets to Neptune from
                     ERFA, the stars precessed to the date; the list adds right
                     ascension (hours) and declination (degrees) of date
  --planisphere      with -o: a printable planisphere for the latitude, place and
                     magnitude, two pages at 100% scale (star wheel, horizon
                     mask): one .pdf, or FILE-1.svg and FILE-2.svg (.png alike)
  --page SIZE        paper of the planisphere or the sheet: A4 (default) or Letter
  --tonight          the night of --time: sunset, twilight, dawn, the Moon, the
                     dark window, the planets and a list worth a look, as a
                     header line and tab-separated rows; with -o FILE.pdf a
                     one-page observing sheet
  --language CODE    language of the texts and messages: %2
                     (default: the system&apos;s, from LANGUAGE, LC_ALL,
                     LC_MESSAGES and LANG)
  --help             show this text

Exit status: 0 done, 1 the chart, the sheet or the standard output could not be
written, 2 bad options or a name --find does not know.
</source>
        <translation>Aufruf: velquorran-chart [Optionen] (-o DATEI | --list | --find NAME | --tonight)
Zeichnet den Himmel über dem Horizont für eine Breite und einen Zeitpunkt als
Scheibe.

  --latitude GRAD    Breite des Beobachters, -90 (Süd) bis 90 (Nord); Vorgabe:
                     die Zahl in Settings.dat in diesem Ordner, sonst 0
  --time YYYY-MM-DDTHH:MM:SS
                     Datum und Uhrzeit der Karte, oder now; Vorgabe: now. Es ist
                     die bürgerliche Zeit der angegebenen --zone, sonst UT (für
                     now die Zeit der Uhr des Rechners, wenn weder Ort noch Zone
                     angegeben sind)
  --longitude GRAD   Länge des Beobachters, Ost positiv (-180 bis 180), oder
                     mit W oder E dahinter (74.006W, 0.13E); Vorgabe 0
  --zone NAME        Zeitzone von --time: ein IANA-Name (Europe/Berlin) oder
                     UTC+hh:mm
  --place NAME       eine Stadt der Zeitzonendatenbank des Systems (Berlin, New
                     York): ihre Breite, Länge und Zone, soweit nicht einzeln
                     angegeben
  --magnitude M      Größe der schwächsten gezeigten Sterne, 0 bis 6.5; Vorgabe
                     4.4
  --facing RICHTUNG  Richtung am unteren Rand der Karte: N, NE, E, SE, S, SW, W
                     oder NW (E für Osten); Vorgabe S
  --figures LISTE    Sternbildfiguren: all, none oder durch Kommas getrennte
                     Abkürzungen (Ori,CMa,UMa); Vorgabe none
  --deep-sky         die Messier-Objekte markieren
  --size BxH         Bildgröße in Pixeln, je 100 bis 10000; Vorgabe 1200x900
  --print            schwarz auf weiß, wie gedruckt
  --labels LISTE     Namen auf der Karte: all, none oder durch Kommas getrennt
                     einige von stars, constellations, all-constellations,
                     planets, deep-sky, legend; Vorgabe none
  --sky LISTE        Linien und Flächen des Himmels unter den Sternen: all, none
                     oder durch Kommas getrennt einige von milky-way,
                     boundaries, ecliptic, equator, grid; auch auf der
                     Sternscheibe (milky-way, boundaries); Vorgabe none
  --night            rot auf schwarz, für an die Dunkelheit gewöhnte Augen
  -o DATEI           die Karte in DATEI schreiben: %1
  --list             auflisten, was über dem Horizont steht: Name, Höhe und
                     Azimut (Grad), x und y auf der Karte, durch Tabulatoren
                     getrennt
  --find NAME        wo ein Stern, ein Messier-Objekt, ein Planet, der Mond, die
                     Sonne oder ein Sternbild steht, und sein nächster Aufgang,
                     Meridiandurchgang und Untergang: Name, Höhe, Azimut,
                     Aufgang, Durchgang, Untergang (Zeiten als
                     YYYY-MM-DDTHH:MM:SS, - wo keiner), durch Tabulatoren
                     getrennt
  --precise          genaue Positionen: Sonne, Mond und Planeten bis Neptun aus
                     ERFA, die Sterne auf das Datum präzediert; die Liste gibt
                     zusätzlich Rektaszension (Stunden) und Deklination (Grad)
                     des Datums an
  --planisphere      mit -o: eine drehbare Sternkarte zum Ausdrucken für Breite,
                     Ort und Größe, zwei Seiten im Maßstab 100 % (Sternscheibe,
                     Horizontmaske): eine .pdf, oder DATEI-1.svg und DATEI-2.svg
                     (.png ebenso)
  --page FORMAT      Papier der drehbaren Sternkarte oder des
                     Beobachtungsblatts: A4 (Vorgabe) oder Letter
  --tonight          die Nacht von --time: Sonnenuntergang, Dämmerung,
                     Morgendämmerung, der Mond, das dunkle Fenster, die Planeten
                     und eine Liste des Sehenswerten, als Kopfzeile und durch
                     Tabulatoren getrennte Zeilen; mit -o DATEI.pdf ein
                     einseitiges Beobachtungsblatt
  --language CODE    Sprache der Texte und Meldungen: %2
                     (Vorgabe: die des Systems, aus LANGUAGE, LC_ALL,
                     LC_MESSAGES und LANG)
  --help             diesen Text zeigen

Rückgabewert: 0 erledigt, 1 die Karte, das Blatt oder die Standardausgabe konnte
nicht geschrieben werden, 2 falsche Optionen oder ein Name, den --find nicht
kennt.
</translation>
    </message>
</context>
<context>
    <name>PlaceDialog</name>
    <message>
        <source>Velquorran Place</source>
        <translation>Velquorran: Ort</translation>
    </message>
    <message>
        <source>Search the cities of the time-zone database</source>
        <translation>Die Städte der Zeitzonendatenbank durchsuchen</translation>
    </message>
    <message>
        <source>Europe/London, UTC+05:30, or empty for UT</source>
        <translation>Europe/Berlin, UTC+05:30 oder leer für UT</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>No place (local mean time)</source>
        <translation>Kein Ort (mittlere Ortszeit)</translation>
    </message>
    <message>
        <source>Latitude must be 0 to 90 degrees followed by N or S (51.5072 N), or -90 to 90.</source>
        <extracomment>The field takes the letters N and S (and E and W for the longitude) as they stand.</extracomment>
        <translation>Die Breite muss 0 bis 90 Grad gefolgt von N oder S (51.5072 N) sein, oder -90 bis 90.</translation>
    </message>
    <message>
        <source>Longitude must be 0 to 180 degrees followed by E or W (0.1275 W), or -180 (west) to 180 (east).</source>
        <translation>Die Länge muss 0 bis 180 Grad gefolgt von E (Ost) oder W (13.405 E) sein, oder -180 (West) bis 180 (Ost).</translation>
    </message>
    <message>
        <source>Time zone must be a name of the time-zone database (Europe/London), UTC+hh:mm (UTC+05:30), or empty for Universal Time.</source>
        <translation>Die Zeitzone muss ein Name der Zeitzonendatenbank (Europe/Berlin), UTC+hh:mm (UTC+05:30) oder leer für Weltzeit sein.</translation>
    </message>
</context>
<context>
    <name>Planisphere</name>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>A Qt date format (QDate::toString) for the dates of the clocks&apos; changes: &quot;31 Mar 2024&quot;.</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>For latitude %1. Clock times: local mean time (no place set: the time on the observer&apos;s own meridian).</source>
        <translation>Für die Breite %1. Uhrzeiten: mittlere Ortszeit (kein Ort gewählt: die Zeit auf dem eigenen Meridian).</translation>
    </message>
    <message>
        <source>For %1, %2  %3.</source>
        <translation>Für %1, %2  %3.</translation>
    </message>
    <message>
        <source>For %1  %2.</source>
        <translation>Für %1  %2.</translation>
    </message>
    <message>
        <source>Clock times: UT.</source>
        <translation>Uhrzeiten: UT.</translation>
    </message>
    <message>
        <source>Clock times: %1; the longitude is built into the rings.</source>
        <translation>Uhrzeiten: %1; die Länge ist in die Ringe eingerechnet.</translation>
    </message>
    <message>
        <source>Clock times: standard time of %1 (%2); the longitude is built into the rings.</source>
        <translation>Uhrzeiten: Normalzeit von %1 (%2); die Länge ist in die Ringe eingerechnet.</translation>
    </message>
    <message>
        <source>to %1 on %2</source>
        <extracomment>One change of the clocks: the new offset from UTC and the date.</extracomment>
        <translation>am %2 auf %1</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Daylight saving time is not built in: the clocks change %1.</source>
        <translation>Die Sommerzeit ist nicht eingerechnet: Die Uhren wechseln %1.</translation>
    </message>
    <message>
        <source>While they show daylight saving time, take %1 from the clock&apos;s time before setting the wheel.</source>
        <translation>Solange sie Sommerzeit zeigen, ziehen Sie %1 von der Uhrzeit ab, bevor Sie die Scheibe einstellen.</translation>
    </message>
    <message>
        <source>A planisphere is written as .pdf, .svg or .png, not &quot;%1&quot;.</source>
        <translation>Eine drehbare Sternkarte wird als .pdf, .svg oder .png geschrieben, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>100 mm: measure it; print at 100% (no &quot;fit to page&quot;)</source>
        <translation>100 mm: nachmessen; mit 100 % drucken (nicht &quot;anpassen&quot;)</translation>
    </message>
    <message>
        <source>Planisphere, page 1 of 2: the star wheel</source>
        <translation>Drehbare Sternkarte, Seite 1 von 2: die Sternscheibe</translation>
    </message>
    <message>
        <source>Stars to magnitude %1; red lines: constellation figures; dashed: the ecliptic.</source>
        <translation>Sterne bis %1 mag; rote Linien: Sternbildfiguren; gestrichelt: die Ekliptik.</translation>
    </message>
    <message>
        <source>Cut along the thick outer circle. Pierce the pole (the cross in the middle) for the paper fastener.</source>
        <translation>Am dicken äußeren Kreis ausschneiden. Den Pol (das Kreuz in der Mitte) für die Musterklammer durchstechen.</translation>
    </message>
    <message>
        <source>Dates are for %1; the ring serves other years to within a day.</source>
        <translation>Die Daten gelten für %1; für andere Jahre stimmt der Ring auf einen Tag genau.</translation>
    </message>
    <message>
        <source>Planisphere, page 2 of 2: the horizon mask</source>
        <translation>Drehbare Sternkarte, Seite 2 von 2: die Horizontmaske</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>Cut along the thick circle, and out the window along the dashed line; keep the strip that holds the pivot.</source>
        <translation>Am dicken Kreis ausschneiden und das Fenster an der gestrichelten Linie heraustrennen; den Steg mit dem Drehpunkt stehen lassen.</translation>
    </message>
    <message>
        <source>Lay the mask on the wheel, pierce both pole crosses and join them with a paper fastener.</source>
        <translation>Die Maske auf die Scheibe legen, beide Polkreuze durchstechen und mit einer Musterklammer verbinden.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands at the clock time: the window shows the sky then.</source>
        <translation>Die Scheibe drehen, bis das Datum an der Uhrzeit steht: Das Fenster zeigt den Himmel zu dieser Zeit.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing south, east is on the left.</source>
        <translation>Über den Kopf halten, den Horizont, dem Sie zugewandt sind, unten: nach Süden blickend ist Osten links.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing north, east is on the right.</source>
        <translation>Über den Kopf halten, den Horizont, dem Sie zugewandt sind, unten: nach Norden blickend ist Osten rechts.</translation>
    </message>
    <message>
        <source>Near the equator the window stretches: shapes far from the pole are drawn wide.</source>
        <translation>Nahe dem Äquator ist das Fenster gedehnt: Formen fern vom Pol erscheinen breit.</translation>
    </message>
    <message>
        <source>Velquorran planisphere</source>
        <translation>Drehbare Sternkarte von Velquorran</translation>
    </message>
    <message>
        <source>Velquorran planisphere, page %1 of 2</source>
        <translation>Drehbare Sternkarte von Velquorran, Seite %1 von 2</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter; dotted: the constellation boundaries.</source>
        <translation>Grau: die Milchstraße, dunkler, wo sie heller ist; gepunktet: die Sternbildgrenzen.</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter.</source>
        <translation>Grau: die Milchstraße, dunkler, wo sie heller ist.</translation>
    </message>
    <message>
        <source>Dotted: the constellation boundaries.</source>
        <translation>Gepunktet: die Sternbildgrenzen.</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Constellations</source>
        <translation>Sternbilder</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Alle ausblenden</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Deep Sky</translation>
    </message>
    <message>
        <source>Map Orientation</source>
        <translation>Ausrichtung der Karte</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>North East</source>
        <translation>Nordosten</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>Sout East</source>
        <translation>Südosten</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>South West</source>
        <translation>Südwesten</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>North West</source>
        <translation>Nordwesten</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Go to Rising</source>
        <translation>Zum Aufgang</translation>
    </message>
    <message>
        <source>Go to Transit</source>
        <translation>Zum Meridiandurchgang</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Smooth Drawing</source>
        <translation>Geglättete Darstellung</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>To File...</source>
        <translation>In Datei...</translation>
    </message>
    <message>
        <source>To Printer...</source>
        <translation>Auf Drucker...</translation>
    </message>
    <message>
        <source>Make Planisphere...</source>
        <translation>Drehbare Sternkarte erstellen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Main Popup Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Precise Positions</source>
        <translation>Genaue Positionen</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Heute Nacht...</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Could not print</source>
        <translation>Drucken nicht möglich</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>%.*s: %.*s; Mag=%3.1f</source>
        <translation>%.*s: %.*s; Mag=%3.1f</translation>
    </message>
    <message>
        <source>%s %d %02d:%02d</source>
        <extracomment>The month&apos;s short name, the day of the month, the hour and the minute.</extracomment>
        <translation>%2$d. %1$s %3$02d:%4$02d</translation>
    </message>
    <message>
        <source>altitude %s, azimuth %s (%s)</source>
        <extracomment>The altitude and the azimuth, angles such as 24.5 degrees, and the compass direction.</extracomment>
        <translation>Höhe %s, Azimut %s (%s)</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>unter dem Horizont</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>geht nie auf</translation>
    </message>
    <message>
        <source>rises %s</source>
        <extracomment>The next rising; %s is its date and time, such as &quot;Jan 15 21:03&quot;.</extracomment>
        <translation>Aufgang %s</translation>
    </message>
    <message>
        <source>transits %s</source>
        <translation>Meridian %s</translation>
    </message>
    <message>
        <source>sets %s</source>
        <translation>Untergang %s</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>geht nie unter</translation>
    </message>
    <message>
        <source>on the horizon, azimuth %s (%s)</source>
        <extracomment>The azimuth, an angle such as 71.2 degrees, and the compass direction.</extracomment>
        <translation>am Horizont, Azimut %s (%s)</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Erweiterte Metadateien (*.emf)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Lattitude must be between 0 and 90 degrees</source>
        <translation>Die Breite muss zwischen 0 und 90 Grad liegen</translation>
    </message>
    <message>
        <source>Velquorran Settings</source>
        <translation>Velquorran: Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Latitude (0-90 degrees)</source>
        <translation>Breite (0-90 Grad)</translation>
    </message>
    <message>
        <source>Latitude in degrees</source>
        <translation>Breite in Grad</translation>
    </message>
    <message>
        <source>Whole degrees from 0 to 90</source>
        <translation>Ganze Grad von 0 bis 90</translation>
    </message>
    <message>
        <source>Hemisphere, N or S</source>
        <translation>Halbkugel, N oder S</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The hemisphere box of the latitude: north.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The hemisphere box of the latitude: south.</extracomment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>SkyMenu</name>
    <message>
        <source>Milky Way</source>
        <translation>Milchstraße</translation>
    </message>
    <message>
        <source>Constellation Boundaries</source>
        <translation>Sternbildgrenzen</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <translation>Ekliptik</translation>
    </message>
    <message>
        <source>Celestial Equator</source>
        <translation>Himmelsäquator</translation>
    </message>
    <message>
        <source>Altitude-Azimuth Grid</source>
        <translation>Höhen-Azimut-Gitter</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Follow the clock</source>
        <translation>Der Uhr folgen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>%1 min of sky a second</source>
        <translation>%1 min Himmel je Sekunde</translation>
    </message>
    <message>
        <source>1 hour of sky a second</source>
        <translation>1 Stunde Himmel je Sekunde</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>1 sidereal day</source>
        <translation>1 Sterntag</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
</context>
<context>
    <name>Tonight</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Midnight Sun: the Sun does not set tonight.</source>
        <translation>Mitternachtssonne: die Sonne geht heute Nacht nicht unter.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today.</source>
        <translation>Polarnacht: die Sonne geht heute nicht auf.</translation>
    </message>
    <message>
        <source>No astronomical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Heute Nacht keine astronomische Dunkelheit: die Sonne sinkt nicht tiefer als %1 Grad.</translation>
    </message>
    <message>
        <source>No nautical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Heute Nacht keine nautische Dunkelheit: die Sonne sinkt nicht tiefer als %1 Grad.</translation>
    </message>
    <message>
        <source>Twilight all night: the Sun goes no lower than %1 degrees.</source>
        <translation>Dämmerung die ganze Nacht: die Sonne sinkt nicht tiefer als %1 Grad.</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>mittlere Ortszeit</translation>
    </message>
    <message>
        <source>%1 time</source>
        <translation>Uhrzeit %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3 %4</source>
        <translation>%1. bis %2. %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4 %5</source>
        <translation>%1. %2 bis %3. %4 %5</translation>
    </message>
    <message>
        <source>Tonight at %1: %2, %3</source>
        <translation>Heute Nacht in %1: %2, %3</translation>
    </message>
    <message>
        <source>End of civil twilight</source>
        <translation>Ende der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <source>End of nautical twilight</source>
        <translation>Ende der nautischen Dämmerung</translation>
    </message>
    <message>
        <source>End of astronomical twilight</source>
        <translation>Ende der astronomischen Dämmerung</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Bürgerliche Morgendämmerung</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Nautische Morgendämmerung</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Astronomische Morgendämmerung</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>The Moon is up all night.</source>
        <translation>Der Mond steht die ganze Nacht am Himmel.</translation>
    </message>
    <message>
        <source>The Moon is down all night.</source>
        <translation>Der Mond bleibt die ganze Nacht unter dem Horizont.</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, zu %2% beleuchtet</translation>
    </message>
    <message>
        <source>Dark, no Moon</source>
        <translation>Dunkel, ohne Mond</translation>
    </message>
    <message>
        <source>No dark window tonight: no time with the Sun below -18 degrees and the Moon down.</source>
        <translation>Heute Nacht kein dunkles Fenster: keine Zeit mit der Sonne unter -18 Grad und dem Mond unter dem Horizont.</translation>
    </message>
    <message>
        <source>Too light tonight for the list: the Sun stays above -6 degrees.</source>
        <translation>Heute Nacht zu hell für die Liste: die Sonne bleibt über -6 Grad.</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>Deep-sky object</source>
        <translation>Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Dunkles Fenster</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planeten</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>Heute Nacht sehenswert</translation>
    </message>
    <message>
        <source>The sky at %1, the middle of darkness</source>
        <translation>Der Himmel um %1, in der Mitte der Dunkelheit</translation>
    </message>
    <message>
        <source>Velquorran observing sheet</source>
        <translation>Velquorran-Beobachtungsblatt</translation>
    </message>
</context>
<context>
    <name>TonightPanel</name>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>When it gets dark tonight, the Moon, the planets and what is worth a look. Choose a row with Enter or a click to find it on the chart at its best time.</source>
        <translation>Wann es heute Nacht dunkel wird, der Mond, die Planeten und was sehenswert ist. Wählen Sie eine Zeile mit der Eingabetaste oder einem Klick, um sie zu ihrer besten Zeit auf der Karte zu finden.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Tonight&apos;s times and sights</source>
        <translation>Zeiten und Sehenswertes der Nacht</translation>
    </message>
    <message>
        <source>Enter or a click finds the object of a row on the chart and sets the chart&apos;s time to the row&apos;s time.</source>
        <translation>Die Eingabetaste oder ein Klick findet das Objekt einer Zeile auf der Karte und stellt die Zeit der Karte auf die Zeit der Zeile.</translation>
    </message>
    <message>
        <source>Enter or a click on a row shows it on the chart.</source>
        <translation>Die Eingabetaste oder ein Klick auf eine Zeile zeigt sie auf der Karte.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Dunkles Fenster</translation>
    </message>
    <message>
        <source>Planets up in darkness</source>
        <translation>Planeten am dunklen Himmel</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>Heute Nacht sehenswert</translation>
    </message>
    <message>
        <source>%1, highest at %2, %3 degrees</source>
        <translation>%1, am höchsten um %2, %3 Grad</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>None tonight</source>
        <translation>Heute Nacht keine</translation>
    </message>
</context>
</TS>
