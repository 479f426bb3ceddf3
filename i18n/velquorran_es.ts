<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1 Version %2...</source>
        <translation>Acerca de %1 versión %2...</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Free planetarium software for beginning star-gazers.</source>
        <translation>Programa de planetario libre para quienes empiezan a observar el cielo.</translation>
    </message>
    <message>
        <source>Terms of use: Velquorran is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and the licence go with every copy. The constellation figures derive from data by Olaf Frohn (BSD 3-Clause licence).</source>
        <translation>Condiciones de uso: Velquorran es software libre bajo la licencia MIT. Puede usarlo, copiarlo, modificarlo y compartirlo, siempre que el aviso de copyright y la licencia acompañen a cada copia. Las figuras de las constelaciones proceden de datos de Olaf Frohn (licencia BSD de 3 cláusulas).</translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Este programa se ofrece SIN NINGUNA GARANTÍA.</translation>
    </message>
    <message>
        <source>Acknowledgements:</source>
        <translation>Agradecimientos:</translation>
    </message>
    <message>
        <source>- The astronomical calculations follow the methods of Peter Duffett-Smith, Practical Astronomy with your Calculator.</source>
        <translation>- Los cálculos astronómicos siguen los métodos de Peter Duffett-Smith, Practical Astronomy with your Calculator.</translation>
    </message>
    <message>
        <source>- The star data are taken from the Bright Star Catalogue, 5th Revised Edition, of the Yale University Observatory.</source>
        <translation>- Los datos de las estrellas proceden del Bright Star Catalogue, 5.ª edición revisada, del Observatorio de la Universidad de Yale.</translation>
    </message>
    <message>
        <source>- The Messier data are taken from the web page of Bretton Wade&apos;s JSON conversion of the catalogues (MIT licence).</source>
        <translation>- Los datos de Messier proceden de la página web de la conversión a JSON de los catálogos de Bretton Wade (licencia MIT).</translation>
    </message>
    <message>
        <source>- Thanks to the members of our local astronomy club for their encouragement.</source>
        <translation>- Gracias a los miembros de nuestra agrupación astronómica local por su ánimo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
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
        <translation>Fecha y hora del mapa:</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude: %3.1f</source>
        <translation>Magnitud límite: %3.1f</translation>
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
        <translation>No hay memoria suficiente para una imagen de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>The PNG picture could not be encoded.</source>
        <translation>No se pudo codificar la imagen PNG.</translation>
    </message>
    <message>
        <source>The SVG drawing could not be started.</source>
        <translation>No se pudo empezar el dibujo SVG.</translation>
    </message>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>No se pudo empezar el documento PDF.</translation>
    </message>
    <message>
        <source>The PDF page could not be made %1 x %2 points.</source>
        <translation>No se pudo hacer la página PDF de %1 x %2 puntos.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The end of a list: &quot;%1 or %2&quot; gives &quot;.png, .svg, .pdf or .emf&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Cannot tell the file type of &quot;%1&quot;: its name must end in %2.</source>
        <translation>No se sabe el tipo del archivo &quot;%1&quot;: su nombre debe terminar en %2.</translation>
    </message>
    <message>
        <source>The chart size must be 1 to %1 pixels each way.</source>
        <translation>El mapa debe medir de 1 a %1 píxeles en cada sentido.</translation>
    </message>
    <message>
        <source>The metafile could not be written: %1.</source>
        <translation>No se pudo escribir el metarchivo: %1.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 (written in place, as its folder takes no new files: the file may be incomplete)</source>
        <translation>%1 (escrito en su sitio, porque su carpeta no admite archivos nuevos: el archivo puede estar incompleto)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not enough memory for the planisphere&apos;s picture.</source>
        <translation>No hay memoria suficiente para la imagen del planisferio.</translation>
    </message>
    <message>
        <source>Velquorran star chart</source>
        <translation>Mapa estelar de Velquorran</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Star, Messier object, planet, Moon, Sun or constellation
(for example Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Jupiter, Orion):</source>
        <translation>Estrella, objeto Messier, planeta, Luna, Sol o constelación
(por ejemplo Betelgeuse, Alp Ori, 58 Ori, HR 2061, M42, Orion Nebula, Júpiter, Orion):</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;.</source>
        <translation>Nada se llama &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing is called &quot;%1&quot;. Did you mean: %2?</source>
        <translation>Nada se llama &quot;%1&quot;. ¿Quería decir: %2?</translation>
    </message>
</context>
<context>
    <name>GettingStartedDialog</name>
    <message>
        <source>Set your place</source>
        <translation>Elegir su lugar</translation>
    </message>
    <message>
        <source>Right-click the chart to open the menu and choose Place... (%1). Type a part of your city&apos;s name and pick it from the list: that fills in your latitude, longitude and time zone. You can also type them, as 51.5072 N and 0.1275 W. Settings... (%2) sets the latitude alone.</source>
        <translation>Haga clic con el botón derecho en el mapa para abrir el menú y elija Lugar... (%1). Escriba una parte del nombre de su ciudad y elíjala en la lista: así se rellenan su latitud, su longitud y su zona horaria. También puede escribirlas, por ejemplo 40.4168 N y 3.7038 W. Ajustes... (%2) fija solo la latitud.</translation>
    </message>
    <message>
        <source>Then choose Time &gt; Now (%1): the chart shows the sky as it is at this moment. The date and time at the top left set any other moment.</source>
        <translation>Elija después Tiempo &gt; Ahora (%1): el mapa muestra el cielo tal como está en este momento. La fecha y la hora arriba a la izquierda fijan cualquier otro momento.</translation>
    </message>
    <message>
        <source>Face a direction and hold the chart</source>
        <translation>Mirar hacia una dirección y sostener el mapa</translation>
    </message>
    <message>
        <source>The rim of the disc is your horizon and its centre the point straight overhead. Go outside, find the direction you will face (south is a good start) and choose it under Map Orientation: that direction goes to the bottom of the disc.</source>
        <translation>El borde del disco es su horizonte y su centro el punto justo encima de usted. Salga, busque la dirección hacia la que va a mirar (el sur es un buen comienzo) y elíjala en Orientación del mapa: esa dirección pasa a la parte de abajo del disco.</translation>
    </message>
    <message>
        <source>Hold the chart in front of you with that edge down and lift it towards the sky. Stars near the bottom edge stand low over the horizon you face; stars near the centre are high above you. Give your eyes a quarter of an hour in the dark, and keep them dark-adapted with Night Mode (%1).</source>
        <translation>Sostenga el mapa delante de usted con ese borde abajo y levántelo hacia el cielo. Las estrellas cerca del borde inferior están bajas sobre el horizonte que mira; las del centro están muy por encima de usted. Dé a sus ojos un cuarto de hora a oscuras, y manténgalos adaptados con el Modo nocturno (%1).</translation>
    </message>
    <message>
        <source>Read the disc</source>
        <translation>Leer el disco</translation>
    </message>
    <message>
        <source>East and west are swapped against a map: a map shows the ground from above, the chart shows the sky from below, as you see it when you look up. Facing south, east is on your left and west on your right; the letters round the rim say which way is which.</source>
        <translation>El este y el oeste están cambiados respecto a un mapa de carreteras: ese mapa muestra el suelo visto desde arriba, el mapa estelar muestra el cielo visto desde abajo, como lo ve al mirar hacia arriba. Mirando al sur, el este queda a su izquierda y el oeste a su derecha; las letras alrededor del borde indican cada dirección.</translation>
    </message>
    <message>
        <source>The larger the dot, the brighter the star. The small rings are the planets and the Moon, the filled disc is the Sun, and Constellations &gt; Show all draws the figures in red. Point at anything and the box at the bottom left names it; Labels writes names on the chart, and its Legend explains the marks.</source>
        <translation>Cuanto mayor el punto, más brillante la estrella. Los anillos pequeños son los planetas y la Luna, el disco relleno es el Sol, y Constelaciones &gt; Mostrar todas dibuja las figuras en rojo. Señale cualquier cosa y el recuadro de abajo a la izquierda la nombra; Nombres escribe nombres en el mapa, y su Leyenda explica los signos.</translation>
    </message>
    <message>
        <source>Find tonight&apos;s planets</source>
        <translation>Encontrar los planetas de esta noche</translation>
    </message>
    <message>
        <source>Tonight... in the menu lists what is worth looking at this evening: the planets that are up, when they rise and set, and when the sky gets dark.</source>
        <translation>Esta noche... en el menú enumera lo que merece la pena mirar esta noche: los planetas que están arriba, cuándo salen y se ponen, y cuándo oscurece el cielo.</translation>
    </message>
    <message>
        <source>Find... (%1) takes the name of a planet, a star or a constellation (Jupiter, Sirius, Orion). It is ringed on the chart, and the box at the bottom left says how high it stands, in which direction, and when it next rises, transits and sets; Go to Rising and Go to Transit move the chart to those moments. A planet shines steadily, without the twinkling of the stars near it, and wanders slowly among them from week to week.</source>
        <translation>Buscar... (%1) toma el nombre de un planeta, una estrella o una constelación (Júpiter, Sirius, Orion). Queda rodeado en el mapa, y el recuadro de abajo a la izquierda dice a qué altura está, en qué dirección y cuándo sale, culmina y se pone; Ir a la salida e Ir a la culminación llevan el mapa a esos momentos. Un planeta brilla fijo, sin el centelleo de las estrellas cercanas, y se desplaza despacio entre ellas de semana en semana.</translation>
    </message>
    <message>
        <source>Use the planisphere</source>
        <translation>Usar el planisferio</translation>
    </message>
    <message>
        <source>Print &gt; Make Planisphere... saves a card planisphere made for your latitude: a star wheel and a horizon mask, one page each. Print both at 100% (the 100 mm scale bar shows whether the printer kept the size), cut them out along the thick lines, lay the mask on the wheel and join them with a paper fastener through the two pole crosses.</source>
        <translation>Imprimir &gt; Hacer un planisferio... guarda un planisferio de cartulina hecho para su latitud: un disco de estrellas y una máscara del horizonte, una página cada uno. Imprima ambos al 100 % (la escala de 100 mm muestra si la impresora mantuvo el tamaño), recórtelos por las líneas gruesas, ponga la máscara sobre el disco y únalos con un encuadernador por las dos cruces de los polos.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands against the clock time on the rim of the mask: the window shows the sky at that moment. Hold it overhead with the horizon you face at the bottom, as you hold the chart.</source>
        <translation>Gire el disco hasta que la fecha quede frente a la hora en el borde de la máscara: la ventana muestra el cielo en ese momento. Sosténgalo sobre la cabeza con el horizonte que mira abajo, como el mapa.</translation>
    </message>
    <message>
        <source>A winter evening at %1, facing south</source>
        <translation>Una noche de invierno a %1, mirando al sur</translation>
    </message>
    <message>
        <source>The same sky facing north: east is now on the right</source>
        <translation>El mismo cielo mirando al norte: el este queda ahora a la derecha</translation>
    </message>
    <message>
        <source>The star wheel for %1</source>
        <translation>El disco de estrellas para %1</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
</context>
<context>
    <name>LabelsMenu</name>
    <message>
        <source>Star names</source>
        <translation>Nombres de estrellas</translation>
    </message>
    <message>
        <source>Constellation names (shown figures)</source>
        <translation>Nombres de constelaciones (figuras mostradas)</translation>
    </message>
    <message>
        <source>All constellation names</source>
        <translation>Nombres de todas las constelaciones</translation>
    </message>
    <message>
        <source>Sun, Moon and planets (Moon phase)</source>
        <translation>Sol, Luna y planetas (fase lunar)</translation>
    </message>
    <message>
        <source>Messier numbers</source>
        <translation>Números de Messier</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Nombres</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>planet or Moon</source>
        <translation>planeta o Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>objeto Messier</translation>
    </message>
    <message>
        <source>constellation figure</source>
        <translation>figura de constelación</translation>
    </message>
    <message>
        <source>star magnitudes:</source>
        <translation>magnitudes de las estrellas:</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Vía Láctea</translation>
    </message>
    <message>
        <source>constellation boundary</source>
        <translation>límite de constelación</translation>
    </message>
    <message>
        <source>ecliptic</source>
        <translation>eclíptica</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>ecuador celeste</translation>
    </message>
    <message>
        <source>altitude and azimuth grid</source>
        <translation>cuadrícula de altura y acimut</translation>
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
        <translation>Lugar...</translation>
    </message>
    <message>
        <source>Cursor is on:</source>
        <translation>Bajo el cursor:</translation>
    </message>
    <message>
        <source>Star chart, cursor is on: %1</source>
        <translation>Mapa estelar, bajo el cursor: %1</translation>
    </message>
    <message>
        <source>Velquorran0.2    (right click below for menu)</source>
        <translation>Velquorran0.2    (clic derecho abajo para el menú)</translation>
    </message>
    <message>
        <source>Sorry, I cannot get started!</source>
        <translation>¡Lo siento, no puedo arrancar!</translation>
    </message>
    <message>
        <source>Save settings before exiting?</source>
        <translation>¿Guardar los ajustes antes de salir?</translation>
    </message>
    <message>
        <source>Do you want to save your new settings before exiting?</source>
        <translation>¿Quiere guardar sus nuevos ajustes antes de salir?</translation>
    </message>
    <message>
        <source>Sorry, I cannot write to Settings.dat</source>
        <translation>Lo siento, no puedo escribir en Settings.dat</translation>
    </message>
    <message>
        <source>Star chart</source>
        <translation>Mapa estelar</translation>
    </message>
    <message>
        <source>The sky above the horizon. Arrow keys move a pointer ring and the object under it is named; the Menu key or Shift+F10 opens the commands.</source>
        <translation>El cielo sobre el horizonte. Las flechas mueven un anillo de puntero y se nombra el objeto que queda debajo; la tecla Menú o Mayús+F10 abre las órdenes.</translation>
    </message>
    <message>
        <source>Date &amp; Time of Map</source>
        <translation>Fecha y hora del mapa</translation>
    </message>
    <message>
        <source>The date and time the chart shows. Left and right choose a field, up and down change it.</source>
        <translation>La fecha y la hora que muestra el mapa. Izquierda y derecha eligen un campo, arriba y abajo lo cambian.</translation>
    </message>
    <message>
        <source>Stars fainter than this magnitude are not drawn. Arrow keys, plus and minus step it by 0.1; Page Up and Page Down by 1.</source>
        <translation>Las estrellas más débiles que esta magnitud no se dibujan. Las flechas, más y menos la cambian en 0,1; Re Pág y Av Pág en 1.</translation>
    </message>
    <message>
        <source>Chart commands</source>
        <translation>Órdenes del mapa</translation>
    </message>
    <message>
        <source>Dimmest Star Magnitude %1</source>
        <translation>Magnitud límite %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>JulianDate: Month out-of-bounds</source>
        <translation>JulianDate: mes fuera de rango</translation>
    </message>
    <message>
        <source>JulianDate: Day out-of-bounds</source>
        <translation>JulianDate: día fuera de rango</translation>
    </message>
    <message>
        <source>Star database appears messed up.  Expected:%1d.  Found:%1d</source>
        <translation>La base de datos de estrellas parece dañada.  Se esperaba:%1d.  Se encontró:%1d</translation>
    </message>
    <message>
        <source>Not Enough HotSpots</source>
        <translation>No hay zonas activas suficientes</translation>
    </message>
    <message>
        <source>There were %d more stars displayed than HotSpots available</source>
        <translation>Se mostraron %d estrellas más que zonas activas disponibles</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>--figures: no constellation is abbreviated &quot;%1&quot;</source>
        <translation>--figures: ninguna constelación tiene la abreviatura &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;</source>
        <translation>--place: ninguna ciudad de la base de husos horarios se llama &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--place: no city of the time-zone database is called &quot;%1&quot;; the closest are %2</source>
        <translation>--place: ninguna ciudad de la base de husos horarios se llama &quot;%1&quot;; las más parecidas son %2</translation>
    </message>
    <message>
        <source>--zone must be an IANA time-zone name such as Europe/London, or UTC+hh:mm, not &quot;%1&quot;</source>
        <translation>--zone debe ser un nombre de huso horario IANA como Europe/Madrid, o UTC+hh:mm, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;</source>
        <translation>ningún objeto se llama &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no object is named &quot;%1&quot;; close matches: %2</source>
        <translation>ningún objeto se llama &quot;%1&quot;; nombres parecidos: %2</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Pruebe &apos;%1 --help&apos; para ver las opciones.</translation>
    </message>
    <message>
        <source>--language must be one of %1, not &quot;%2&quot;</source>
        <translation>--language debe ser uno de %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite valor</translation>
    </message>
    <message>
        <source>--latitude must be a number of degrees from -90 (south) to 90 (north), not %1</source>
        <translation>--latitude debe ser un número de grados de -90 (sur) a 90 (norte), no %1</translation>
    </message>
    <message>
        <source>--longitude must be degrees from -180 (west) to 180 (east), or unsigned with W or E after it (74.006W, 0.13E), not %1</source>
        <translation>--longitude debe ser en grados de -180 (oeste) a 180 (este), o sin signo seguido de W o E (74.006W, 0.13E), no %1</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 necesita un nombre</translation>
    </message>
    <message>
        <source>--time must be a date and time written YYYY-MM-DDTHH:MM:SS, for example 2024-01-15T21:00:00, not %1</source>
        <translation>--time debe ser una fecha y hora escritas YYYY-MM-DDTHH:MM:SS, por ejemplo 2024-01-15T21:00:00, no %1</translation>
    </message>
    <message>
        <source>--magnitude must be a number from 0 to 6.5, not %1</source>
        <translation>--magnitude debe ser un número de 0 a 6.5, no %1</translation>
    </message>
    <message>
        <source>--facing must be one of N, NE, E, SE, S, SW, W, NW, not %1</source>
        <translation>--facing debe ser uno de N, NE, E, SE, S, SW, W, NW (W para oeste), no %1</translation>
    </message>
    <message>
        <source>--figures must be all, none, or constellation abbreviations separated by commas (for example Ori,CMa), not %1</source>
        <translation>--figures debe ser all, none o abreviaturas de constelaciones separadas por comas (por ejemplo Ori,CMa), no %1</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT in pixels, each from %1 to %2, not %3</source>
        <translation>--size debe ser ANCHOxALTO en píxeles, cada uno de %1 a %2, no %3</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>the output file name must end in %1, not %2</source>
        <translation>el nombre del archivo de salida debe terminar en %1, no %2</translation>
    </message>
    <message>
        <source>--labels must be all, none, or some of stars, constellations, all-constellations, planets, deep-sky, legend separated by commas, not %1</source>
        <translation>--labels debe ser all, none o algunos de stars, constellations, all-constellations, planets, deep-sky, legend separados por comas, no %1</translation>
    </message>
    <message>
        <source>--find needs a name</source>
        <translation>--find necesita un nombre</translation>
    </message>
    <message>
        <source>--page must be A4 or Letter, not %1</source>
        <translation>--page debe ser A4 o Letter, no %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--night is a screen look and cannot go with --print</source>
        <translation>--night es un aspecto de pantalla y no puede ir con --print</translation>
    </message>
    <message>
        <source>--planisphere needs -o FILE ending in .pdf, .svg or .png</source>
        <translation>--planisphere necesita -o ARCHIVO terminado en .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>nothing to do: give -o FILE, --list or --find NAME</source>
        <translation>nada que hacer: indique -o ARCHIVO, --list o --find NOMBRE</translation>
    </message>
    <message>
        <source>--tonight cannot go with --planisphere: give one of them</source>
        <translation>--tonight no puede ir con --planisphere: indique uno de los dos</translation>
    </message>
    <message>
        <source>--tonight cannot go with --list or --find: give one of them</source>
        <translation>--tonight no puede ir con --list o --find: indique uno de los dos</translation>
    </message>
    <message>
        <source>--tonight&apos;s sheet is printed: it cannot go with --night</source>
        <translation>la hoja de --tonight se imprime: no puede ir con --night</translation>
    </message>
    <message>
        <source>--tonight writes its observing sheet as a PDF: -o FILE.pdf, not %1</source>
        <translation>--tonight escribe su hoja de observación como PDF: -o ARCHIVO.pdf, no %1</translation>
    </message>
    <message>
        <source>--sky must be all, none, or some of milky-way, boundaries, ecliptic, equator, grid separated by commas, not %1</source>
        <translation>--sky debe ser all, none o algunos de milky-way, boundaries, ecliptic, equator, grid separados por comas, no %1</translation>
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
        <translation>Uso: velquorran-chart [opciones] (-o ARCHIVO | --list | --find NOMBRE | --tonight)
Dibuja el cielo sobre el horizonte para una latitud y un instante, como un
disco.

  --latitude GRADOS  latitud del observador, -90 (sur) a 90 (norte); por
                     defecto: el número de Settings.dat en esta carpeta, si no 0
  --time YYYY-MM-DDTHH:MM:SS
                     fecha y hora del mapa, o now; por defecto: now. Es la hora
                     civil de la --zone indicada, si no TU (la hora del reloj
                     local para now, sin lugar ni zona)
  --longitude GRADOS longitud del observador, este positiva (-180 a 180), o
                     seguida de W o E (74.006W, 0.13E); por defecto 0
  --zone NOMBRE      zona horaria de --time: un nombre IANA (Europe/Madrid) o
                     UTC+hh:mm
  --place NOMBRE     una ciudad de la base de husos horarios del sistema
                     (Madrid, New York): su latitud, longitud y zona, salvo que
                     se den aparte
  --magnitude M      magnitud de las estrellas más débiles, 0 a 6.5; por defecto
                     4.4
  --facing DIR       dirección en la parte de abajo del mapa: N, NE, E, SE, S,
                     SW, W o NW (W para oeste); por defecto S
  --figures LISTA    figuras de constelaciones: all, none o abreviaturas
                     separadas por comas (Ori,CMa,UMa); por defecto none
  --deep-sky         marcar los objetos Messier
  --size AxA         tamaño de la imagen en píxeles, 100 a 10000 cada uno; por
                     defecto 1200x900
  --print            negro sobre blanco, como impreso
  --labels LISTA     nombres en el mapa: all, none o algunos de stars,
                     constellations, all-constellations, planets, deep-sky,
                     legend separados por comas; por defecto none
  --sky LISTA        las líneas y formas del cielo bajo las estrellas: all, none
                     o algunos de milky-way, boundaries, ecliptic, equator, grid
                     separados por comas; también en el disco del planisferio
                     (milky-way, boundaries); por defecto none
  --night            rojo sobre negro, para ojos adaptados a la oscuridad
  -o ARCHIVO         escribir el mapa en ARCHIVO: %1
  --list             listar lo que está sobre el horizonte: nombre, altura y
                     acimut (grados), x e y en el mapa, separados por
                     tabuladores
  --find NOMBRE      dónde está una estrella, un objeto Messier, un planeta, la
                     Luna, el Sol o una constelación, y su próxima salida,
                     culminación y puesta: nombre, altura, acimut, salida,
                     culminación, puesta (horas como YYYY-MM-DDTHH:MM:SS, -
                     donde no hay), separados por tabuladores
  --precise          posiciones precisas: el Sol, la Luna y los planetas hasta
                     Neptuno con ERFA, las estrellas precesadas a la fecha; la
                     lista añade la ascensión recta (horas) y la declinación
                     (grados) de la fecha
  --planisphere      con -o: un planisferio para imprimir para la latitud, el
                     lugar y la magnitud, dos páginas a escala 100 % (disco de
                     estrellas, máscara del horizonte): un .pdf, o
                     ARCHIVO-1.svg y ARCHIVO-2.svg (igual con .png)
  --page TAMAÑO      papel del planisferio o de la hoja de observación: A4 (por
                     defecto) o Letter
  --tonight          la noche de --time: puesta del Sol, crepúsculos, alba, la
                     Luna, la ventana oscura, los planetas y una lista de lo que
                     merece verse, como una línea de cabecera y filas separadas
                     por tabuladores; con -o ARCHIVO.pdf una hoja de observación
                     de una página
  --language CÓDIGO  idioma de los textos y mensajes: %2
                     (por defecto: el del sistema, según LANGUAGE, LC_ALL,
                     LC_MESSAGES y LANG)
  --help             mostrar este texto

Estado de salida: 0 hecho, 1 no se pudo escribir el mapa, la hoja o la salida
estándar, 2 opciones incorrectas o un nombre que --find no conoce.
</translation>
    </message>
</context>
<context>
    <name>PlaceDialog</name>
    <message>
        <source>Velquorran Place</source>
        <translation>Velquorran: lugar</translation>
    </message>
    <message>
        <source>Search the cities of the time-zone database</source>
        <translation>Buscar entre las ciudades de la base de husos horarios</translation>
    </message>
    <message>
        <source>Europe/London, UTC+05:30, or empty for UT</source>
        <translation>Europe/Madrid, UTC+05:30, o vacío para TU</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitud:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitud:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>No place (local mean time)</source>
        <translation>Sin lugar (tiempo medio local)</translation>
    </message>
    <message>
        <source>Latitude must be 0 to 90 degrees followed by N or S (51.5072 N), or -90 to 90.</source>
        <extracomment>The field takes the letters N and S (and E and W for the longitude) as they stand.</extracomment>
        <translation>La latitud debe ser de 0 a 90 grados seguida de N o S (40.4168 N), o de -90 a 90.</translation>
    </message>
    <message>
        <source>Longitude must be 0 to 180 degrees followed by E or W (0.1275 W), or -180 (west) to 180 (east).</source>
        <translation>La longitud debe ser de 0 a 180 grados seguida de E o W para oeste (3.7038 W), o de -180 (oeste) a 180 (este).</translation>
    </message>
    <message>
        <source>Time zone must be a name of the time-zone database (Europe/London), UTC+hh:mm (UTC+05:30), or empty for Universal Time.</source>
        <translation>La zona horaria debe ser un nombre de la base de husos horarios (Europe/Madrid), UTC+hh:mm (UTC+05:30), o vacía para el tiempo universal.</translation>
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
        <translation>Para la latitud %1. Horas: tiempo medio local (sin lugar elegido: la hora en el meridiano del observador).</translation>
    </message>
    <message>
        <source>For %1, %2  %3.</source>
        <translation>Para %1, %2  %3.</translation>
    </message>
    <message>
        <source>For %1  %2.</source>
        <translation>Para %1  %2.</translation>
    </message>
    <message>
        <source>Clock times: UT.</source>
        <translation>Horas: TU.</translation>
    </message>
    <message>
        <source>Clock times: %1; the longitude is built into the rings.</source>
        <translation>Horas: %1; la longitud está incluida en las coronas.</translation>
    </message>
    <message>
        <source>Clock times: standard time of %1 (%2); the longitude is built into the rings.</source>
        <translation>Horas: hora normal de %1 (%2); la longitud está incluida en las coronas.</translation>
    </message>
    <message>
        <source>to %1 on %2</source>
        <extracomment>One change of the clocks: the new offset from UTC and the date.</extracomment>
        <translation>a %1 el %2</translation>
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
        <translation>El horario de verano no está incluido: los relojes cambian %1.</translation>
    </message>
    <message>
        <source>While they show daylight saving time, take %1 from the clock&apos;s time before setting the wheel.</source>
        <translation>Mientras marquen el horario de verano, reste %1 a la hora del reloj antes de ajustar el disco.</translation>
    </message>
    <message>
        <source>A planisphere is written as .pdf, .svg or .png, not &quot;%1&quot;.</source>
        <translation>Un planisferio se escribe como .pdf, .svg o .png, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>100 mm: measure it; print at 100% (no &quot;fit to page&quot;)</source>
        <translation>100 mm: mídalos; imprima al 100 % (sin &quot;ajustar a la página&quot;)</translation>
    </message>
    <message>
        <source>Planisphere, page 1 of 2: the star wheel</source>
        <translation>Planisferio, página 1 de 2: el disco de estrellas</translation>
    </message>
    <message>
        <source>Stars to magnitude %1; red lines: constellation figures; dashed: the ecliptic.</source>
        <translation>Estrellas hasta la magnitud %1; líneas rojas: figuras de las constelaciones; a trazos: la eclíptica.</translation>
    </message>
    <message>
        <source>Cut along the thick outer circle. Pierce the pole (the cross in the middle) for the paper fastener.</source>
        <translation>Recorte por el círculo exterior grueso. Perfore el polo (la cruz del centro) para el encuadernador.</translation>
    </message>
    <message>
        <source>Dates are for %1; the ring serves other years to within a day.</source>
        <translation>Las fechas son para %1; la corona sirve para otros años con un día de margen.</translation>
    </message>
    <message>
        <source>Planisphere, page 2 of 2: the horizon mask</source>
        <translation>Planisferio, página 2 de 2: la máscara del horizonte</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Cenit</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridiano</translation>
    </message>
    <message>
        <source>Cut along the thick circle, and out the window along the dashed line; keep the strip that holds the pivot.</source>
        <translation>Recorte por el círculo grueso, y la ventana por la línea a trazos; conserve la tira que sujeta el eje.</translation>
    </message>
    <message>
        <source>Lay the mask on the wheel, pierce both pole crosses and join them with a paper fastener.</source>
        <translation>Ponga la máscara sobre el disco, perfore las dos cruces de los polos y únalas con un encuadernador.</translation>
    </message>
    <message>
        <source>Turn the wheel until the date stands at the clock time: the window shows the sky then.</source>
        <translation>Gire el disco hasta que la fecha quede frente a la hora: la ventana muestra el cielo en ese momento.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing south, east is on the left.</source>
        <translation>Sosténgalo sobre la cabeza, con el horizonte que mira abajo: mirando al sur, el este queda a la izquierda.</translation>
    </message>
    <message>
        <source>Hold it overhead, the horizon you face at the bottom: facing north, east is on the right.</source>
        <translation>Sosténgalo sobre la cabeza, con el horizonte que mira abajo: mirando al norte, el este queda a la derecha.</translation>
    </message>
    <message>
        <source>Near the equator the window stretches: shapes far from the pole are drawn wide.</source>
        <translation>Cerca del ecuador la ventana se estira: las formas lejos del polo salen anchas.</translation>
    </message>
    <message>
        <source>Velquorran planisphere</source>
        <translation>Planisferio de Velquorran</translation>
    </message>
    <message>
        <source>Velquorran planisphere, page %1 of 2</source>
        <translation>Planisferio de Velquorran, página %1 de 2</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter; dotted: the constellation boundaries.</source>
        <translation>En gris: la Vía Láctea, más oscura donde es más brillante; punteado: los límites de las constelaciones.</translation>
    </message>
    <message>
        <source>Grey: the Milky Way, darker where it is brighter.</source>
        <translation>En gris: la Vía Láctea, más oscura donde es más brillante.</translation>
    </message>
    <message>
        <source>Dotted: the constellation boundaries.</source>
        <translation>Punteado: los límites de las constelaciones.</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Constellations</source>
        <translation>Constelaciones</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar todas</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Ocultar todas</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Cielo profundo</translation>
    </message>
    <message>
        <source>Map Orientation</source>
        <translation>Orientación del mapa</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>North East</source>
        <translation>Noreste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Sout East</source>
        <translation>Sureste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>South West</source>
        <translation>Suroeste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North West</source>
        <translation>Noroeste</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Go to Rising</source>
        <translation>Ir a la salida</translation>
    </message>
    <message>
        <source>Go to Transit</source>
        <translation>Ir a la culminación</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>Smooth Drawing</source>
        <translation>Dibujo suavizado</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ajustes...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>To File...</source>
        <translation>A un archivo...</translation>
    </message>
    <message>
        <source>To Printer...</source>
        <translation>A la impresora...</translation>
    </message>
    <message>
        <source>Make Planisphere...</source>
        <translation>Hacer un planisferio...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Main Popup Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Precise Positions</source>
        <translation>Posiciones precisas</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Esta noche...</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Could not print</source>
        <translation>No se pudo imprimir</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>%.*s: %.*s; Mag=%3.1f</source>
        <translation>%.*s: %.*s; mag=%3.1f</translation>
    </message>
    <message>
        <source>%s %d %02d:%02d</source>
        <extracomment>The month&apos;s short name, the day of the month, the hour and the minute.</extracomment>
        <translation>%2$d %1$s %3$02d:%4$02d</translation>
    </message>
    <message>
        <source>altitude %s, azimuth %s (%s)</source>
        <extracomment>The altitude and the azimuth, angles such as 24.5 degrees, and the compass direction.</extracomment>
        <translation>altura %s, acimut %s (%s)</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>bajo el horizonte</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>nunca sale</translation>
    </message>
    <message>
        <source>rises %s</source>
        <extracomment>The next rising; %s is its date and time, such as &quot;Jan 15 21:03&quot;.</extracomment>
        <translation>sale %s</translation>
    </message>
    <message>
        <source>transits %s</source>
        <translation>culmina %s</translation>
    </message>
    <message>
        <source>sets %s</source>
        <translation>se pone %s</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>nunca se pone</translation>
    </message>
    <message>
        <source>on the horizon, azimuth %s (%s)</source>
        <extracomment>The azimuth, an angle such as 71.2 degrees, and the compass direction.</extracomment>
        <translation>en el horizonte, acimut %s (%s)</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <translation>Metarchivos mejorados (*.emf)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Lattitude must be between 0 and 90 degrees</source>
        <translation>La latitud debe estar entre 0 y 90 grados</translation>
    </message>
    <message>
        <source>Velquorran Settings</source>
        <translation>Velquorran: ajustes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Latitude (0-90 degrees)</source>
        <translation>Latitud (0-90 grados)</translation>
    </message>
    <message>
        <source>Latitude in degrees</source>
        <translation>Latitud en grados</translation>
    </message>
    <message>
        <source>Whole degrees from 0 to 90</source>
        <translation>Grados enteros de 0 a 90</translation>
    </message>
    <message>
        <source>Hemisphere, N or S</source>
        <translation>Hemisferio, N o S</translation>
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
        <translation>Vía Láctea</translation>
    </message>
    <message>
        <source>Constellation Boundaries</source>
        <translation>Límites de las constelaciones</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <translation>Eclíptica</translation>
    </message>
    <message>
        <source>Celestial Equator</source>
        <translation>Ecuador celeste</translation>
    </message>
    <message>
        <source>Altitude-Azimuth Grid</source>
        <translation>Cuadrícula altura-acimut</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Follow the clock</source>
        <translation>Seguir el reloj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>%1 min of sky a second</source>
        <translation>%1 min de cielo por segundo</translation>
    </message>
    <message>
        <source>1 hour of sky a second</source>
        <translation>1 hora de cielo por segundo</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>1 sidereal day</source>
        <translation>1 día sidéreo</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semana</translation>
    </message>
</context>
<context>
    <name>Tonight</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Midnight Sun: the Sun does not set tonight.</source>
        <translation>Sol de medianoche: el Sol no se pone esta noche.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today.</source>
        <translation>Noche polar: el Sol no sale hoy.</translation>
    </message>
    <message>
        <source>No astronomical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Sin oscuridad astronómica esta noche: el Sol no baja de %1 grados.</translation>
    </message>
    <message>
        <source>No nautical darkness tonight: the Sun goes no lower than %1 degrees.</source>
        <translation>Sin oscuridad náutica esta noche: el Sol no baja de %1 grados.</translation>
    </message>
    <message>
        <source>Twilight all night: the Sun goes no lower than %1 degrees.</source>
        <translation>Crepúsculo toda la noche: el Sol no baja de %1 grados.</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>hora solar media local</translation>
    </message>
    <message>
        <source>%1 time</source>
        <translation>hora de %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3 %4</source>
        <translation>del %1 al %2 de %3 de %4</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4 %5</source>
        <translation>del %1 de %2 al %3 de %4 de %5</translation>
    </message>
    <message>
        <source>Tonight at %1: %2, %3</source>
        <translation>Esta noche en %1: %2, %3</translation>
    </message>
    <message>
        <source>End of civil twilight</source>
        <translation>Fin del crepúsculo civil</translation>
    </message>
    <message>
        <source>End of nautical twilight</source>
        <translation>Fin del crepúsculo náutico</translation>
    </message>
    <message>
        <source>End of astronomical twilight</source>
        <translation>Fin del crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Alba civil</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Alba náutica</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Alba astronómica</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>The Moon is up all night.</source>
        <translation>La Luna está sobre el horizonte toda la noche.</translation>
    </message>
    <message>
        <source>The Moon is down all night.</source>
        <translation>La Luna está bajo el horizonte toda la noche.</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, iluminada al %2%</translation>
    </message>
    <message>
        <source>Dark, no Moon</source>
        <translation>Oscuro, sin Luna</translation>
    </message>
    <message>
        <source>No dark window tonight: no time with the Sun below -18 degrees and the Moon down.</source>
        <translation>Sin ventana oscura esta noche: ningún momento con el Sol bajo -18 grados y la Luna bajo el horizonte.</translation>
    </message>
    <message>
        <source>Too light tonight for the list: the Sun stays above -6 degrees.</source>
        <translation>Demasiado claro esta noche para la lista: el Sol se queda por encima de -6 grados.</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelación</translation>
    </message>
    <message>
        <source>Deep-sky object</source>
        <translation>Objeto de cielo profundo</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Ventana oscura</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>Planetas</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>Merece la pena esta noche</translation>
    </message>
    <message>
        <source>The sky at %1, the middle of darkness</source>
        <translation>El cielo a las %1, en medio de la oscuridad</translation>
    </message>
    <message>
        <source>Velquorran observing sheet</source>
        <translation>Hoja de observación de Velquorran</translation>
    </message>
</context>
<context>
    <name>TonightPanel</name>
    <message>
        <source>Tonight</source>
        <translation>Esta noche</translation>
    </message>
    <message>
        <source>When it gets dark tonight, the Moon, the planets and what is worth a look. Choose a row with Enter or a click to find it on the chart at its best time.</source>
        <translation>Cuándo oscurece esta noche, la Luna, los planetas y lo que merece la pena ver. Elija una fila con Intro o un clic para encontrarla en el mapa a su mejor hora.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Tonight&apos;s times and sights</source>
        <translation>Horas y vistas de la noche</translation>
    </message>
    <message>
        <source>Enter or a click finds the object of a row on the chart and sets the chart&apos;s time to the row&apos;s time.</source>
        <translation>Intro o un clic encuentra el objeto de una fila en el mapa y pone la hora del mapa en la de la fila.</translation>
    </message>
    <message>
        <source>Enter or a click on a row shows it on the chart.</source>
        <translation>Intro o un clic en una fila la muestra en el mapa.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Dark window</source>
        <translation>Ventana oscura</translation>
    </message>
    <message>
        <source>Planets up in darkness</source>
        <translation>Planetas visibles en la oscuridad</translation>
    </message>
    <message>
        <source>Worth a look tonight</source>
        <translation>Merece la pena esta noche</translation>
    </message>
    <message>
        <source>%1, highest at %2, %3 degrees</source>
        <translation>%1, más alto a las %2, %3 grados</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>None tonight</source>
        <translation>Ninguno esta noche</translation>
    </message>
</context>
</TS>
