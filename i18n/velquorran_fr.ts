<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1 Version %2...</source>
        <translation>À propos de %1 version %2...</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Free planetarium software for beginning star-gazers.</source>
        <translation>Logiciel de planétarium libre pour qui débute dans l&apos;observation du ciel.</translation>
    </message>
    <message>
        <source>Terms of use: Velquorran is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and the licence go with every copy. The constellation figures derive from data by Olaf Frohn (BSD 3-Clause licence).</source>
        <translation>Conditions d&apos;utilisation : Velquorran est un logiciel libre sous licence MIT. Vous pouvez l&apos;utiliser, le copier, le modifier et le partager, à condition que la mention de droit d&apos;auteur et la licence accompagnent chaque copie. Les figures des constellations proviennent de données d&apos;Olaf Frohn (licence BSD à 3 clauses).</translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Ce programme est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
    <message>
        <source>Acknowledgements:</source>
        <translation>Remerciements :</translation>
    </message>
    <message>
        <source>- The astronomical calculations follow the methods of Peter Duffett-Smith, Practical Astronomy with your Calculator.</source>
        <translation>- Les calculs astronomiques suivent les méthodes de Peter Duffett-Smith, Practical Astronomy with your Calculator.</translation>
    </message>
    <message>
        <source>- The star data are taken from the Bright Star Catalogue, 5th Revised Edition, of the Yale University Observatory.</source>
        <translation>- Les données des étoiles proviennent du Bright Star Catalogue, 5e édition révisée, de l&apos;observatoire de l&apos;université Yale.</translation>
    </message>
    <message>
        <source>- The Messier data are taken from the web page of Bretton Wade&apos;s JSON conversion of the catalogues (MIT licence).</source>
        <translation>- Les données de Messier proviennent de la page web de la conversion JSON des catalogues par Bretton Wade (licence MIT).</translation>
    </message>
    <message>
        <source>- Thanks to the members of our local astronomy club for their encouragement.</source>
        <translation>- Merci aux membres de notre club d&apos;astronomie local pour leurs encouragements.</translation>
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
        <translation>Terre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>%4d/%02d/%02d  %02d:%02d:%02d</source>
        <translation>%3$02d/%2$02d/%1$4d  %4$02d:%5$02d:%6$02d</translation>
    </message>
    <message>
        <source>Date &amp; Time of Map:</source>
        <translation>Date et heure de la carte :</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude: %3.1f</source>
        <translation>Magnitude limite : %3.1f</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>TU</translation>
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
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>NNE</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ENE</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSE</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSO</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNO</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Pas assez de mémoire pour une image de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>The PNG picture could not be encoded.</source>
        <translation>L&apos;image PNG n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The SVG drawing could not be started.</source>
        <translation>Le dessin SVG n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>Le document PDF n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The PDF page could not be made %1 x %2 points.</source>
        <translation>La page PDF n&apos;a pas pu être faite de %1 x %2 points.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The end of a list: &quot;%1 or %2&quot; gives &quot;.png, .svg, .pdf or .emf&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Cannot tell the file type of &quot;%1&quot;: its name must end in %2.</source>
        <translation>Impossible de savoir le type du fichier &quot;%1&quot; : son nom doit finir par %2.</translation>
    </message>
    <message>
        <source>The chart size must be 1 to %1 pixels each way.</source>
        <translation>La carte doit mesurer de 1 à %1 pixels dans chaque sens.</translation>
    </message>
    <message>
        <source>The metafile could not be written: %1.</source>
        <translation>Le métafichier n&apos;a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 (written in place, as its folder takes no new files: the file may be incomplete)</source>
        <translation>%1 (écrit sur place, car son dossier n&apos;accepte pas de nouveaux fichiers : le fichier peut être incomplet)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>Not enough memory for the planisphere&apos;s picture.</source>
        <translation>Pas assez de mémoire pour l&apos;image de la carte du ciel tournante.</translation>
    </message>
    <message>
        <source>Velquorran star chart</source>
        <translation>Carte du ciel Velquorran</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Star, Messier object, planet, Moon, Sun or constellation
(for example Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, Orion):</source>
        <translation>Étoile, objet de Messier, planète, Lune, Soleil ou constellation
(par exemple Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, Orion) :</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;.</source>
        <translation>Rien ne s&apos;appelle &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;. Did you mean: %2?</source>
        <translation>Rien ne s&apos;appelle &quot;%1&quot;. Vouliez-vous dire : %2 ?</translation>
    </message>
</context>
<context>
    <name>GettingStartedDialog</name>
    <message>
        <source>Set your place</source>
        <translation>Choisir son lieu</translation>
    </message>
    <message>
        <source>Right-click the chart to open the menu and choose Place... (%1). Type a part of your city&apos;s name and pick it from the list: that fills in your latitude, longitude and time zone. You can also type them, as 51.5072 N and 0.1275 W. Settings... (%2) sets the latitude alone.</source>
        <translation>Cliquez sur la carte avec le bouton droit pour ouvrir le menu et choisissez Lieu... (%1). Tapez une partie du nom de votre ville et choisissez-la dans la liste : cela remplit votre latitude, votre longitude et votre fuseau horaire. Vous pouvez aussi les taper, par exemple 48.8566 N et 2.3522 E. Réglages... (%2) ne règle que la latitude.</translation>
    </message>
    <message>
        <source>Then choose Time &gt; Now (%1): the chart shows the sky as it is at this moment. The date and time at the top left set any other moment.</source>
        <translation>Choisissez ensuite Temps &gt; Maintenant (%1) : la carte montre le ciel tel qu&apos;il est en ce moment. La date et l&apos;heure en haut à gauche règlent tout autre moment.</translation>
    </message>
    <message>
        <source>Face a direction and hold the chart</source>
        <translation>Se tourner vers une direction et tenir la carte</translation>
    </message>
    <message>
        <source>The rim of the disc is your horizon and its centre the point straight overhead. Go outside, find the direction you will face (south is a good start) and choose it under Map Orientation: that direction goes to the bottom of the disc.</source>
        <translation>Le bord du disque est votre horizon et son centre le point juste au-dessus de vous. Sortez, trouvez la direction que vous allez regarder (le sud est un bon début) et choisissez-la sous Orientation de la carte : cette direction passe en bas du disque.</translation>
    </message>
    <message>
        <source>Hold the chart in front of you with that edge down and lift it towards the sky. Stars near the bottom edge stand low over the horizon you face; stars near the centre are high above you. Give your eyes a quarter of an hour in the dark, and keep them dark-adapted with Night Mode (%1).</source>
        <translation>Tenez la carte devant vous, ce bord en bas, et levez-la vers le ciel. Les étoiles près du bord inférieur sont basses sur l&apos;horizon que vous regardez ; celles près du centre sont haut au-dessus de vous. Laissez à vos yeux un quart d&apos;heure dans le noir, et gardez-les adaptés à l&apos;obscurité avec le Mode nuit (%1).</translation>
    </message>
    <message>
        <source>Read the disc</source>
        <translation>Lire le disque</translation>
    </message>
    <message>
        <source>East and west are swapped against a map: a map shows the ground from above, the chart shows the sky from below, as you see it when you look up. Facing south, east is on your left and west on your right; the letters round the rim say which way is which.</source>
        <translation>L&apos;est et l&apos;ouest sont inversés par rapport à une carte routière : celle-ci montre le sol vu d&apos;en haut, la carte du ciel montre le ciel vu d&apos;en bas, comme vous le voyez en levant les yeux. Face au sud, l&apos;est est à votre gauche et l&apos;ouest à votre droite ; les lettres autour du bord indiquent les directions.</translation>
    </message>
    <message>
        <source>The larger the dot, the brighter the star. The small rings are the planets and the Moon, the filled disc is the Sun, and Constellations &gt; Show all draws the figures in red. Point at anything and the box at the bottom left names it; Labels writes names on the chart, and its Legend explains the marks.</source>
        <translation>Plus le point est gros, plus l&apos;étoile est brillante. Les petits anneaux sont les planètes et la Lune, le disque plein est le Soleil, et Constellations &gt; Tout afficher dessine les figures en rouge. Pointez sur n&apos;importe quoi et la case en bas à gauche le nomme ; Noms écrit des noms sur la carte, et sa Légende explique les signes.</translation>
    </message>
    <message>
        <source>Find tonight&apos;s planets</source>
        <translation>Trouver les planètes de ce soir</translation>
    </message>
    <message>
        <source>Tonight... in the menu lists what is worth looking at this evening: the planets that are up, when they rise and set, and when the sky gets dark.</source>
        <translation>Ce soir... dans le menu énumère ce qui vaut d&apos;être regardé ce soir : les planètes levées, quand elles se lèvent et se couchent, et quand le ciel devient noir.</translation>
    </message>
    <message>
        <source>Find... (%1) takes the name of a planet, a star or a constellation (Jupiter, Sirius, Orion). It is ringed on the chart, and the box at the bottom left says how high it stands, in which direction, and when it next rises, transits and sets; Go to Rising and Go to Transit move the chart to those moments. A planet shines steadily, without the twinkling of the stars near it, and wanders slowly among them from week to week.</source>
        <translation>Rechercher... (%1) prend le nom d&apos;une planète, d&apos;une étoile ou d&apos;une constellation (Jupiter, Sirius, Orion). Elle est entourée sur la carte, et la case en bas à gauche dit à quelle hauteur elle se trouve, dans quelle direction, et quand elle se lève, passe au méridien et se couche ; Aller au lever et Aller au passage au méridien mettent la carte à ces moments. Une planète brille d&apos;un éclat fixe, sans le scintillement des étoiles voisines, et se déplace lentement parmi elles de semaine en semaine.</translation>
    </message>
    <message>
        <source>Use the planisphere</source>
        <translation>Utiliser la carte du ciel tournante</translation>
    </message>
    <message>
        <source>Print &gt; Make Planisphere... saves a card planisphere made for your latitude: a star wheel and a horizon mask, one page each. Print both at 100% (the 100 mm scale bar shows whether the printer kept the size), cut them out along the thick lines, lay the mask on the wheel and join them with a paper fastener through the two pole crosses.</source>
        <translation>Imprimer &gt; Faire une carte du ciel tournante... enregistre une carte en carton faite pour votre latitude : un disque des étoiles et un cache de l&apos;horizon, une page chacun. Imprimez-les à 100 % (l&apos;échelle de 100 mm montre si l&apos;imprimante a gardé la taille), découpez-les le long des gros traits, posez le cache sur le disque et réunissez-les par une attache parisienne passée par les deux croix des pôles.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands against the clock time on the rim of the mask: the window shows the sky at that moment. Hold it overhead with the horizon you face at the bottom, as you hold the chart.</source>
        <translation>Tournez le disque jusqu&apos;à mettre la date en face de l&apos;heure sur le bord du cache : la fenêtre montre le ciel à ce moment. Tenez-la au-dessus de la tête, l&apos;horizon que vous regardez en bas, comme la carte.</translation>
    </message>
    <message>
        <source>A winter evening at %1, facing south</source>
        <translation>Un soir d&apos;hiver à %1, face au sud</translation>
    </message>
    <message>
        <source>The same sky facing north: east is now on the right</source>
        <translation>Le même ciel face au nord : l&apos;est est maintenant à droite</translation>
    </message>
    <message>
        <source>The star wheel for %1</source>
        <translation>Le disque des étoiles pour %1</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
</context>
<context>
    <name>LabelsMenu</name>
    <message>
        <source>Star names</source>
        <translation>Noms des étoiles</translation>
    </message>
    <message>
        <source>Constellation names (shown figures)</source>
        <translation>Noms des constellations (figures affichées)</translation>
    </message>
    <message>
        <source>All constellation names</source>
        <translation>Noms de toutes les constellations</translation>
    </message>
    <message>
        <source>Sun, Moon and planets (Moon phase)</source>
        <translation>Soleil, Lune et planètes (phase de la Lune)</translation>
    </message>
    <message>
        <source>Messier numbers</source>
        <translation>Numéros de Messier</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Noms</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>planet or Moon</source>
        <translation>planète ou Lune</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>objet de Messier</translation>
    </message>
    <message>
        <source>constellation figure</source>
        <translation>figure de constellation</translation>
    </message>
    <message>
        <source>star magnitudes:</source>
        <translation>magnitudes des étoiles :</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Voie lactée</translation>
    </message>
    <message>
        <source>constellation boundary</source>
        <translation>limite de constellation</translation>
    </message>
    <message>
        <source>ecliptic</source>
        <translation>écliptique</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>équateur céleste</translation>
    </message>
    <message>
        <source>altitude and azimuth grid</source>
        <translation>grille de hauteur et d&apos;azimut</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>h:mm AP ddd MMM dd, yyyy</source>
        <extracomment>A Qt date format (QDateTime::toString): h hour, mm minutes, AP AM/PM, ddd weekday, MMM month, dd day, yyyy year. Keep it about 24 characters long.</extracomment>
        <translation>HH:mm ddd dd MMM yyyy</translation>
    </message>
    <message>
        <source>Place...</source>
        <translation>Lieu...</translation>
    </message>
    <message>
        <source>Cursor is on:</source>
        <translation>Sous le curseur :</translation>
    </message>
    <message>
        <source>Star chart, cursor is on: %1</source>
        <translation>Carte du ciel, sous le curseur : %1</translation>
    </message>
    <message>
        <source>Velquorran0.2    (right click below for menu)</source>
        <translation>Velquorran0.2    (clic droit ci-dessous pour le menu)</translation>
    </message>
    <message>
        <source>Sorry, I cannot get started!</source>
        <translation>Désolé, je ne peux pas démarrer !</translation>
    </message>
    <message>
        <source>Save settings before exiting?</source>
        <translation>Enregistrer les réglages avant de quitter ?</translation>
    </message>
    <message>
        <source>Do you want to save your new settings before exiting?</source>
        <translation>Voulez-vous enregistrer vos nouveaux réglages avant de quitter ?</translation>
    </message>
    <message>
        <source>Sorry, I cannot write to Settings.dat</source>
        <translation>Désolé, je ne peux pas écrire dans Settings.dat</translation>
    </message>
    <message>
        <source>Star chart</source>
        <translation>Carte du ciel</translation>
    </message>
    <message>
        <source>The sky above the horizon. Arrow keys move a pointer ring and the object under it is named; the Menu key or Shift+F10 opens the commands.</source>
        <translation>Le ciel au-dessus de l&apos;horizon. Les flèches déplacent un anneau de pointage et l&apos;objet dessous est nommé ; la touche Menu ou Maj+F10 ouvre les commandes.</translation>
    </message>
    <message>
        <source>Date &amp; Time of Map</source>
        <translation>Date et heure de la carte</translation>
    </message>
    <message>
        <source>The date and time the chart shows. Left and right choose a field, up and down change it.</source>
        <translation>La date et l&apos;heure que montre la carte. Gauche et droite choisissent un champ, haut et bas le changent.</translation>
    </message>
    <message>
        <source>Stars fainter than this magnitude are not drawn. Arrow keys, plus and minus step it by 0.1; Page Up and Page Down by 1.</source>
        <translation>Les étoiles plus faibles que cette magnitude ne sont pas dessinées. Les flèches, plus et moins la changent de 0,1 ; Page précédente et Page suivante de 1.</translation>
    </message>
    <message>
        <source>Chart commands</source>
        <translation>Commandes de la carte</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude %1</source>
        <translation>Magnitude limite %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>JulianDate: Month out-of-bounds</source>
        <translation>JulianDate : mois hors limites</translation>
    </message>
    <message>
        <source>JulianDate: Day out-of-bounds</source>
        <translation>JulianDate : jour hors limites</translation>
    </message>
    <message>
        <source>Star database appears messed up.  Expected:%1d.  Found:%1d</source>
        <translation>La base des étoiles semble abîmée.  Attendu :%1d.  Trouvé :%1d</translation>
    </message>
    <message>
        <source>Not Enough HotSpots</source>
        <translation>Pas assez de zones sensibles</translation>
    </message>
    <message>
        <source>There were %d more stars displayed than HotSpots available</source>
        <translation>Il y avait %d étoiles affichées de plus que de zones sensibles disponibles</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>--figures: no constellation is abbreviated &quot;%1&quot;</source>
        <translation>--figures : aucune constellation n&apos;a pour abréviation &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;</source>
        <translation>--place : aucune ville de la base des fuseaux horaires ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;; the closest are %2</source>
        <translation>--place : aucune ville de la base des fuseaux horaires ne s&apos;appelle &quot;%1&quot; ; les plus proches sont %2</translation>
    </message>
    <message>
        <source>--zone must be an IANA time-zone name such as Europe/London, or UTC+hh:mm, not &quot;%1&quot;</source>
        <translation>--zone doit être un nom de fuseau horaire IANA comme Europe/Paris, ou UTC+hh:mm, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;</source>
        <translation>aucun objet ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;; close matches: %2</source>
        <translation>aucun objet ne s&apos;appelle &quot;%1&quot; ; noms proches : %2</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Essayez &apos;%1 --help&apos; pour les options.</translation>
    </message>
    <message>
        <source>--language must be one of %1, not &quot;%2&quot;</source>
        <translation>--language doit être l&apos;une de %1, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>--latitude must be a number of degrees from -90 (south) to 90 (north), not %1</source>
        <translation>--latitude doit être un nombre de degrés de -90 (sud) à 90 (nord), pas %1</translation>
    </message>
    <message>
        <source>--longitude must be degrees from -180 (west) to 180 (east), or unsigned with W or E after it (74.006W, 0.13E), not %1</source>
        <translation>--longitude doit être en degrés de -180 (ouest) à 180 (est), ou sans signe suivi de W ou E (74.006W, 0.13E), pas %1</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 demande un nom</translation>
    </message>
    <message>
        <source>--time must be a date and time written YYYY-MM-DDTHH:MM:SS, for example 2024-01-15T21:00:00, not %1</source>
        <translation>--time doit être une date et une heure écrites YYYY-MM-DDTHH:MM:SS, par exemple 2024-01-15T21:00:00, pas %1</translation>
    </message>
    <message>
        <source>--magnitude must be a number from 0 to 6.5, not %1</source>
        <translation>--magnitude doit être un nombre de 0 à 6.5, pas %1</translation>
    </message>
    <message>
        <source>--facing must be one of N, NE, E, SE, S, SW, W, NW, not %1</source>
        <translation>--facing doit être l&apos;un de N, NE, E, SE, S, SW, W, NW (W pour ouest), pas %1</translation>
    </message>
    <message>
        <source>--figures must be all, none, or constellation abbreviations separated by commas (for example Ori,CMa), not %1</source>
        <translation>--figures doit être all, none ou des abréviations de constellations séparées par des virgules (par exemple Ori,CMa), pas %1</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT in pixels, each from %1 to %2, not %3</source>
        <translation>--size doit être LARGEURxHAUTEUR en pixels, chacune de %1 à %2, pas %3</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o demande un nom de fichier</translation>
    </message>
    <message>
        <source>the output file name must end in %1, not %2</source>
        <translation>le nom du fichier de sortie doit finir par %1, pas %2</translation>
    </message>
    <message>
        <source>--labels must be all, none, or some of stars, constellations, all-constellations, planets, deep-sky, legend separated by commas, not %1</source>
        <translation>--labels doit être all, none ou certains de stars, constellations, all-constellations, planets, deep-sky, legend séparés par des virgules, pas %1</translation>
    </message>
    <message>
        <source>--find needs a name</source>
        <translation>--find demande un nom</translation>
    </message>
    <message>
        <source>--page must be A4 or Letter, not %1</source>
        <translation>--page doit être A4 ou Letter, pas %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--night is a screen look and cannot go with --print</source>
        <translation>--night est un aspect d&apos;écran et ne va pas avec --print</translation>
    </message>
    <message>
        <source>--planisphere needs -o FILE ending in .pdf, .svg or .png</source>
        <translation>--planisphere demande -o FICHIER finissant par .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>nothing to do: give -o FILE, --list or --find NAME</source>
        <translation>rien à faire : donnez -o FICHIER, --list ou --find NOM</translation>
    </message>
    <message>
        <source>--tonight cannot go with --planisphere: give one of them</source>
        <translation>--tonight ne peut pas aller avec --planisphere : donnez l&apos;un des deux</translation>
    </message>
    <message>
        <source>--tonight cannot go with --list or --find: give one of them</source>
        <translation>--tonight ne peut pas aller avec --list ou --find : donnez l&apos;un des deux</translation>
    </message>
    <message>
        <source>--tonight&apos;s sheet is printed: it cannot go with --night</source>
        <translation>la fiche de --tonight est imprimée : elle ne peut pas aller avec --night</translation>
    </message>
    <message>
        <source>--tonight writes its observing sheet as a PDF: -o FILE.pdf, not %1</source>
        <translation>--tonight écrit sa fiche d&apos;observation en PDF : -o FICHIER.pdf, pas %1</translation>
    </message>
    <message>
        <source>--sky must be all, none, or some of milky-way, boundaries, ecliptic, equator, grid separated by commas, not %1</source>
        <translation>--sky doit être all, none ou certains de milky-way, boundaries, ecliptic, equator, grid séparés par des virgules, pas %1</translation>
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
        <translation>Usage : velquorran-chart [options] (-o FICHIER | --list | --find NOM | --tonight)
Dessine le ciel au-dessus de l&apos;horizon pour une latitude et un instant, en
disque.

  --latitude DEG     latitude de l&apos;observateur, -90 (sud) à 90 (nord) ; par
                     défaut : le nombre de Settings.dat dans ce dossier, sinon 0
  --time YYYY-MM-DDTHH:MM:SS
                     date et heure de la carte, ou now ; par défaut : now. C&apos;est
                     l&apos;heure civile de la --zone donnée, sinon TU (l&apos;heure de
                     l&apos;horloge locale pour now, sans lieu ni fuseau)
  --longitude DEG    longitude de l&apos;observateur, est positive (-180 à 180), ou
                     suivie de W ou E (74.006W, 0.13E) ; par défaut 0
  --zone NOM         fuseau horaire de --time : un nom IANA (Europe/Paris) ou
                     UTC+hh:mm
  --place NOM        une ville de la base des fuseaux horaires du système
                     (Paris, New York) : sa latitude, sa longitude et son
                     fuseau, sauf s&apos;ils sont donnés à part
  --magnitude M      magnitude des étoiles les plus faibles, 0 à 6.5 ; par
                     défaut 4.4
  --facing DIR       direction en bas de la carte : N, NE, E, SE, S, SW, W ou NW
                     (W pour ouest) ; par défaut S
  --figures LISTE    figures des constellations : all, none ou abréviations
                     séparées par des virgules (Ori,CMa,UMa) ; par défaut none
  --deep-sky         marquer les objets de Messier
  --size LxH         taille de l&apos;image en pixels, 100 à 10000 chacune ; par
                     défaut 1200x900
  --print            noir sur blanc, comme imprimé
  --labels LISTE     noms sur la carte : all, none ou certains de stars,
                     constellations, all-constellations, planets, deep-sky,
                     legend séparés par des virgules ; par défaut none
  --sky LISTE        les lignes et surfaces du ciel sous les étoiles : all, none
                     ou certains de milky-way, boundaries, ecliptic, equator,
                     grid séparés par des virgules ; aussi sur le disque de la
                     carte tournante (milky-way, boundaries) ; par défaut none
  --night            rouge sur noir, pour des yeux habitués à l&apos;obscurité
  -o FICHIER         écrire la carte dans FICHIER : %1
  --list             lister ce qui est au-dessus de l&apos;horizon : nom, hauteur et
                     azimut (degrés), x et y sur la carte, séparés par des
                     tabulations
  --find NOM         où se trouve une étoile, un objet de Messier, une planète,
                     la Lune, le Soleil ou une constellation, et ses prochains
                     lever, passage au méridien et coucher : nom, hauteur,
                     azimut, lever, passage, coucher (heures en
                     YYYY-MM-DDTHH:MM:SS, - s&apos;il n&apos;y en a pas), séparés par des
                     tabulations
  --precise          positions précises : le Soleil, la Lune et les planètes
                     jusqu&apos;à Neptune par ERFA, les étoiles précessées à la
                     date ; la liste ajoute l&apos;ascension droite (heures) et la
                     déclinaison (degrés) de la date
  --planisphere      avec -o : une carte du ciel tournante à imprimer pour la
                     latitude, le lieu et la magnitude, deux pages à l&apos;échelle
                     100 % (disque des étoiles, cache de l&apos;horizon) : un seul
                     .pdf, ou FICHIER-1.svg et FICHIER-2.svg (de même en .png)
  --page FORMAT      papier de la carte tournante ou de la fiche : A4 (par
                     défaut) ou Letter
  --tonight          la nuit de --time : coucher du Soleil, crépuscules, aube,
                     la Lune, la fenêtre noire, les planètes et une liste de ce
                     qui mérite d&apos;être vu, en une ligne d&apos;en-tête et des lignes
                     séparées par des tabulations ; avec -o FICHIER.pdf une
                     fiche d&apos;observation d&apos;une page
  --language CODE    langue des textes et des messages : %2
                     (par défaut : celle du système, d&apos;après LANGUAGE, LC_ALL,
                     LC_MESSAGES et LANG)
  --help             afficher ce texte

Code de sortie : 0 fait, 1 la carte, la fiche ou la sortie standard n&apos;a pas pu
être écrite, 2 options incorrectes ou nom que --find ne connaît pas.
</translation>
    </message>
</context>
<context>
    <name>PlaceDialog</name>
    <message>
        <source>Velquorran Place</source>
        <translation>Velquorran : lieu</translation>
    </message>
    <message>
        <source>Search the cities of the time-zone database</source>
        <translation>Chercher parmi les villes de la base des fuseaux horaires</translation>
    </message>
    <message>
        <source>Europe/London, UTC+05:30, or empty for UT</source>
        <translation>Europe/Paris, UTC+05:30, ou vide pour TU</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitude :</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitude :</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuseau horaire :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>No place (local mean time)</source>
        <translation>Aucun lieu (temps moyen local)</translation>
    </message>
    <message>
        <source>Latitude must be 0 to 90 degrees followed by N or S (51.5072 N), or -90 to 90.</source>
        <extracomment>The field takes the letters N and S (and E and W for the longitude) as they stand.</extracomment>
        <translation>La latitude doit être de 0 à 90 degrés suivie de N ou S (48.8566 N), ou de -90 à 90.</translation>
    </message>
    <message>
        <source>Longitude must be 0 to 180 degrees followed by E or W (0.1275 W), or -180 (west) to 180 (east).</source>
        <translation>La longitude doit être de 0 à 180 degrés suivie de E ou W pour ouest (1.4437 W), ou de -180 (ouest) à 180 (est).</translation>
    </message>
    <message>
        <source>Time zone must be a name of the time-zone database (Europe/London), UTC+hh:mm (UTC+05:30), or empty for Universal Time.</source>
        <translation>Le fuseau horaire doit être un nom de la base des fuseaux horaires (Europe/Paris), UTC+hh:mm (UTC+05:30), ou vide pour le temps universel.</translation>
    </message>
</context>
<context>
    <name>Planisphere</name>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>A Qt date format (QDate::toString) for the dates of the clocks&apos; changes: &quot;31 Mar 2024&quot;.</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>For latitude %1. Clock times: local mean time (no place set: the time on the observer&apos;s own meridian).</source>
        <translation>Pour la latitude %1. Heures : temps moyen local (aucun lieu choisi : l&apos;heure sur le méridien de l&apos;observateur).</translation>
    </message>
    <message>
        <source>For %1, %2  %3.</source>
        <translation>Pour %1, %2  %3.</translation>
    </message>
    <message>
        <source>For %1  %2.</source>
        <translation>Pour %1  %2.</translation>
    </message>
    <message>
        <source>Clock times: UT.</source>
        <translation>Heures : TU.</translation>
    </message>
    <message>
        <source>Clock times: %1; the longitude is built into the rings.</source>
        <translation>Heures : %1 ; la longitude est comprise dans les couronnes.</translation>
    </message>
    <message>
        <source>Clock times: standard time of %1 (%2); the longitude is built into the rings.</source>
        <translation>Heures : heure normale de %1 (%2) ; la longitude est comprise dans les couronnes.</translation>
    </message>
    <message>
        <source>to %1 on %2</source>
        <extracomment>One change of the clocks: the new offset from UTC and the date.</extracomment>
        <translation>à %1 le %2</translation>
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
        <translation>L&apos;heure d&apos;été n&apos;est pas comprise : les horloges passent %1.</translation>
    </message>
    <message>
        <source>While they show daylight saving time, take %1 from the clock&apos;s time before setting the wheel.</source>
        <translation>Tant qu&apos;elles indiquent l&apos;heure d&apos;été, retirez %1 à l&apos;heure de l&apos;horloge avant de régler le disque.</translation>
    </message>
    <message>
        <source>A planisphere is written as .pdf, .svg or .png, not &quot;%1&quot;.</source>
        <translation>Une carte du ciel tournante s&apos;écrit en .pdf, .svg ou .png, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>100 mm: measure it; print at 100% (no &quot;fit to page&quot;)</source>
        <translation>100 mm : mesurez-les ; imprimez à 100 % (pas &quot;ajuster à la page&quot;)</translation>
    </message>
    <message>
        <source>Planisphere, page 1 of 2: the star wheel</source>
        <translation>Carte du ciel tournante, page 1 sur 2 : le disque des étoiles</translation>
    </message>
    <message>
        <source>Stars to magnitude %1; red lines: constellation figures; dashed: the ecliptic.</source>
        <translation>Étoiles jusqu&apos;à la magnitude %1 ; lignes rouges : figures des constellations ; tirets : l&apos;écliptique.</translation>
    </message>
    <message>
        <source>Cut along the thick outer circle. Pierce the pole (the cross in the middle) for the paper fastener.</source>
        <translation>Découpez le long du gros cercle extérieur. Percez le pôle (la croix au centre) pour l&apos;attache parisienne.</translation>
    </message>
    <message>
        <source>Dates are for %1; the ring serves other years to within a day.</source>
        <translation>Les dates valent pour %1 ; la couronne sert pour d&apos;autres années à un jour près.</translation>
    </message>
    <message>
        <source>Planisphere, page 2 of 2: the horizon mask</source>
        <translation>Carte du ciel tournante, page 2 sur 2 : le cache de l&apos;horizon</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zénith</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Méridien</translation>
    </message>
    <message>
        <source>Cut along the thick circle, and out the window along the dashed line; keep the strip that holds the pivot.</source>
        <translation>Découpez le long du gros cercle, puis la fenêtre le long des tirets ; gardez la bande qui porte le pivot.</translation>
    </message>
    <message>
        <source>Lay the mask on the wheel, pierce both pole crosses and join them with a paper fastener.</source>
        <translation>Posez le cache sur le disque, percez les deux croix des pôles et réunissez-les avec une attache parisienne.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands at the clock time: the window shows the sky then.</source>
        <translation>Tournez le disque jusqu&apos;à mettre la date en face de l&apos;heure : la fenêtre montre alors le ciel.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing south, east is on the left.</source>
        <translation>Tenez-la au-dessus de la tête, l&apos;horizon que vous regardez en bas : face au sud, l&apos;est est à gauche.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing north, east is on the right.</source>
        <translation>Tenez-la au-dessus de la tête, l&apos;horizon que vous regardez en bas : face au nord, l&apos;est est à droite.</translation>
    </message>
    <message>
        <source>Near the equator the window stretches: shapes far from the pole are drawn wide.</source>
        <translation>Près de l&apos;équateur, la fenêtre s&apos;étire : les formes loin du pôle sont élargies.</translation>
    </message>
    <message>
        <source>Velquorran planisphere</source>
        <translation>Carte du ciel tournante Velquorran</translation>
    </message>
    <message>
        <source>Velquorran planisphere, page %1 of 2</source>
        <translation>Carte du ciel tournante Velquorran, page %1 sur 2</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter; dotted: the constellation boundaries.</source>
        <translation>En gris : la Voie lactée, plus sombre où elle est plus brillante ; en pointillé : les limites des constellations.</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter.</source>
        <translation>En gris : la Voie lactée, plus sombre où elle est plus brillante.</translation>
    </message>
    <message>
        <source>Dotted: the constellation boundaries.</source>
        <translation>En pointillé : les limites des constellations.</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Constellations</source>
        <translation>Constellations</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Ciel profond</translation>
    </message>
    <message>
        <source>Map Orientation</source>
        <translation>Orientation de la carte</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North East</source>
        <translation>Nord-est</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Sout East</source>
        <translation>Sud-est</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>South West</source>
        <translation>Sud-ouest</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>North West</source>
        <translation>Nord-ouest</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Go to Rising</source>
        <translation>Aller au lever</translation>
    </message>
    <message>
        <source>Go to Transit</source>
        <translation>Aller au passage au méridien</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>Smooth Drawing</source>
        <translation>Dessin lissé</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Réglages...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>To File...</source>
        <translation>Dans un fichier...</translation>
    </message>
    <message>
        <source>To Printer...</source>
        <translation>Sur l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Make Planisphere...</source>
        <translation>Faire une carte du ciel tournante...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Main Popup Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Precise Positions</source>
        <translation>Positions précises</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Cette nuit...</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Could not print</source>
        <translation>Impossible d&apos;imprimer</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>%.*s: %.*s; Mag=%3.1f</source>
        <translation>%.*s : %.*s ; mag=%3.1f</translation>
    </message>
    <message>
        <source>%s %d %02d:%02d</source>
        <extracomment>The month&apos;s short name, the day of the month, the hour and the minute.</extracomment>
        <translation>%2$d %1$s %3$02d:%4$02d</translation>
    </message>
    <message>
        <source>altitude %s, azimuth %s (%s)</source>
        <extracomment>The altitude and the azimuth, angles such as 24.5 degrees, and the compass direction.</extracomment>
        <translation>hauteur %s, azimut %s (%s)</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>sous l&apos;horizon</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>ne se lève jamais</translation>
    </message>
    <message>
        <source>rises %s</source>
        <extracomment>The next rising; %s is its date and time, such as &quot;Jan 15 21:03&quot;.</extracomment>
        <translation>lever %s</translation>
    </message>
    <message>
        <source>transits %s</source>
        <translation>méridien %s</translation>
    </message>
    <message>
        <source>sets %s</source>
        <translation>coucher %s</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>ne se couche jamais</translation>
    </message>
    <message>
        <source>on the horizon, azimuth %s (%s)</source>
        <extracomment>The azimuth, an angle such as 71.2 degrees, and the compass direction.</extracomment>
        <translation>sur l&apos;horizon, azimut %s (%s)</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Métafichiers améliorés (*.emf)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Lattitude must be between 0 and 90 degrees</source>
        <translation>La latitude doit être entre 0 et 90 degrés</translation>
    </message>
    <message>
        <source>Velquorran Settings</source>
        <translation>Velquorran : réglages</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Latitude (0-90 degrees)</source>
        <translation>Latitude (0-90 degrés)</translation>
    </message>
    <message>
        <source>Latitude in degrees</source>
        <translation>Latitude en degrés</translation>
    </message>
    <message>
        <source>Whole degrees from 0 to 90</source>
        <translation>Degrés entiers de 0 à 90</translation>
    </message>
    <message>
        <source>Hemisphere, N or S</source>
        <translation>Hémisphère, N ou S</translation>
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
        <translation>Voie lactée</translation>
    </message>
    <message>
        <source>Constellation Boundaries</source>
        <translation>Limites des constellations</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <translation>Écliptique</translation>
    </message>
    <message>
        <source>Celestial Equator</source>
        <translation>Équateur céleste</translation>
    </message>
    <message>
        <source>Altitude-Azimuth Grid</source>
        <translation>Grille hauteur-azimut</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Follow the clock</source>
        <translation>Suivre l&apos;horloge</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Animer</translation>
    </message>
    <message>
        <source>%1 min of sky a second</source>
        <translation>%1 min de ciel par seconde</translation>
    </message>
    <message>
        <source>1 hour of sky a second</source>
        <translation>1 heure de ciel par seconde</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>1 sidereal day</source>
        <translation>1 jour sidéral</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
</context>
<context>
    <name>Tonight</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle Lune</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine Lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Midnight Sun: the Sun does not set tonight.</source>
        <translation>Soleil de minuit : le Soleil ne se couche pas cette nuit.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today.</source>
        <translation>Nuit polaire : le Soleil ne se lève pas aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>No astronomical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Pas de nuit astronomique cette nuit : le Soleil ne descend pas sous %1 degrés.</translation>
    </message>
    <message>
        <source>No nautical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Pas de nuit nautique cette nuit : le Soleil ne descend pas sous %1 degrés.</translation>
    </message>
    <message>
        <source>Twilight all night: the Sun goes no lower than %1 degrees.</source>
        <translation>Crépuscule toute la nuit : le Soleil ne descend pas sous %1 degrés.</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>temps solaire moyen local</translation>
    </message>
    <message>
        <source>%1 time</source>
        <translation>heure %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3 %4</source>
        <translation>du %1 au %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4 %5</source>
        <translation>du %1 %2 au %3 %4 %5</translation>
    </message>
    <message>
        <source>Tonight at %1: %2, %3</source>
        <translation>Cette nuit à %1 : %2, %3</translation>
    </message>
    <message>
        <source>End of civil twilight</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>End of nautical twilight</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>End of astronomical twilight</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Aube civile</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Aube nautique</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Aube astronomique</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>The Moon is up all night.</source>
        <translation>La Lune est levée toute la nuit.</translation>
    </message>
    <message>
        <source>The Moon is down all night.</source>
        <translation>La Lune reste couchée toute la nuit.</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, éclairée à %2%</translation>
    </message>
    <message>
        <source>Dark, no Moon</source>
        <translation>Nuit noire, sans Lune</translation>
    </message>
    <message>
        <source>No dark window tonight: no time with the Sun below -18 degrees and the Moon down.</source>
        <translation>Pas de fenêtre noire cette nuit : aucun moment avec le Soleil sous -18 degrés et la Lune couchée.</translation>
    </message>
    <message>
        <source>Too light tonight for the list: the Sun stays above -6 degrees.</source>
        <translation>Trop clair cette nuit pour la liste : le Soleil reste au-dessus de -6 degrés.</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>Deep-sky object</source>
        <translation>Objet du ciel profond</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Fenêtre noire</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planètes</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>À voir cette nuit</translation>
    </message>
    <message>
        <source>The sky at %1, the middle of darkness</source>
        <translation>Le ciel à %1, au milieu de la nuit noire</translation>
    </message>
    <message>
        <source>Velquorran observing sheet</source>
        <translation>Fiche d&apos;observation Velquorran</translation>
    </message>
</context>
<context>
    <name>TonightPanel</name>
    <message>
        <source>Tonight</source>
        <translation>Cette nuit</translation>
    </message>
    <message>
        <source>When it gets dark tonight, the Moon, the planets and what is worth a look. Choose a row with Enter or a click to find it on the chart at its best time.</source>
        <translation>Quand la nuit tombe, la Lune, les planètes et ce qui mérite d&apos;être vu. Choisissez une ligne avec Entrée ou un clic pour la trouver sur la carte à sa meilleure heure.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Tonight&apos;s times and sights</source>
        <translation>Heures et curiosités de la nuit</translation>
    </message>
    <message>
        <source>Enter or a click finds the object of a row on the chart and sets the chart&apos;s time to the row&apos;s time.</source>
        <translation>Entrée ou un clic trouve l&apos;objet d&apos;une ligne sur la carte et règle l&apos;heure de la carte sur celle de la ligne.</translation>
    </message>
    <message>
        <source>Enter or a click on a row shows it on the chart.</source>
        <translation>Entrée ou un clic sur une ligne la montre sur la carte.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Fenêtre noire</translation>
    </message>
    <message>
        <source>Planets up in darkness</source>
        <translation>Planètes levées dans la nuit noire</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>À voir cette nuit</translation>
    </message>
    <message>
        <source>%1, highest at %2, %3 degrees</source>
        <translation>%1, au plus haut à %2, %3 degrés</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>None tonight</source>
        <translation>Aucun cette nuit</translation>
    </message>
</context>
</TS>
