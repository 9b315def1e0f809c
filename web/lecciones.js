// Escribe, para la página, la lección de cada programa (make web, desde
// web/construir.sh): lecciones/NOMBRE.js, un script que define LECCION con
// el código del programa, ya resaltado, y sus sesiones de ejemplo. Todo se
// toma del repositorio al compilar; nada de esto se guarda dos veces.
//
// El código va en el orden de lectura de LEEME.md:
//   1. main.cpp, el fichero del programa en la compilación;
//   2. las clases del programa, en el orden en que su biblioteca (NOMBRE_clases)
//      enumera sus .cpp en el CMakeLists.txt del programa: de cada una, su .h
//      y luego su .cpp, y antes de un .h las cabeceras del programa que
//      incluye y aún no han salido (así una interfaz sin .cpp va antes de la
//      primera clase que la usa);
//   3. las cabeceras públicas de consola/, en el orden en que las nombra el
//      paso 3 de LEEME.md.
// Los ficheros de cada programa se saben por la API de ficheros de CMake
// (la respuesta codemodel-v2 de la carpeta de compilación).
//
// Los ejemplos son las transcripciones que LEEME.md nombra por su ruta,
// tests/NOMBRE/transcripts/CASO, en el orden en que aparecen; de cada una, la
// página solo necesita su .in.
//
//   node web/lecciones.js CARPETA_DE_COMPILACION CARPETA_DE_LA_PAGINA PROGRAMA...
'use strict';

const fs = require('fs');
const path = require('path');
const hljs = require('highlight.js/lib/core');

hljs.registerLanguage('cpp', require('highlight.js/lib/languages/cpp'));

const RAIZ = path.resolve(__dirname, '..');
const [compilacion, pagina, ...programas] = process.argv.slice(2);

function fallar(mensaje) {
  console.error(`web: ${mensaje}`);
  process.exit(1);
}

const leeme = fs.readFileSync(path.join(RAIZ, 'LEEME.md'), 'utf8');

// Los objetivos de la compilación, por su nombre: sus fuentes (rutas desde la
// raíz del repositorio) y los nombres de los objetivos de los que depende.
function objetivosDeCMake() {
  const respuestas = path.join(compilacion, '.cmake/api/v1/reply');
  const indice = fs.readdirSync(respuestas).filter((f) => f.startsWith('index-')).sort().pop();
  if (!indice) fallar(`CMake no ha dejado su respuesta en ${respuestas}`);
  const leer = (fichero) => JSON.parse(fs.readFileSync(path.join(respuestas, fichero), 'utf8'));
  const modelo = leer(leer(indice).reply['codemodel-v2'].jsonFile);
  const objetivos = modelo.configurations[0].targets.map((objetivo) => leer(objetivo.jsonFile));
  const nombrePorId = new Map(objetivos.map((objetivo) => [objetivo.id, objetivo.name]));
  return new Map(objetivos.map((objetivo) => [objetivo.name, {
    fuentes: (objetivo.sources || []).map((fuente) => fuente.path),
    dependencias: (objetivo.dependencies || []).map((dependencia) => nombrePorId.get(dependencia.id)),
  }]));
}

// Las cabeceras de la carpeta del programa que incluye un fichero, en orden.
function incluidas(ruta) {
  const carpeta = path.dirname(ruta);
  const texto = fs.readFileSync(path.join(RAIZ, ruta), 'utf8');
  return [...texto.matchAll(/^#include "([^"/]+)"/gm)]
    .map((inclusion) => `${carpeta}/${inclusion[1]}`)
    .filter((cabecera) => fs.existsSync(path.join(RAIZ, cabecera)));
}

// Las rutas del código de un programa, en el orden de lectura: sus fuentes y
// después las cabeceras públicas de consola/.
function codigoDe(programa, objetivos, deConsola) {
  const objetivo = objetivos.get(programa);
  const clases = objetivos.get(`${programa}_clases`);
  if (!objetivo || !clases) fallar(`la compilación no tiene los objetivos ${programa} y ${programa}_clases`);
  const rutas = [...objetivo.fuentes];
  const anadirCabecera = (cabecera) => {
    if (rutas.includes(cabecera)) return;
    incluidas(cabecera).forEach(anadirCabecera);
    rutas.push(cabecera);
  };
  for (const fuente of clases.fuentes) {
    anadirCabecera(fuente.replace(/\.cpp$/, '.h'));
    rutas.push(fuente);
  }
  const sinMostrar = fs.readdirSync(path.join(RAIZ, programa))
    .filter((fichero) => /\.(h|cpp)$/.test(fichero) && !rutas.includes(`${programa}/${fichero}`));
  if (sinMostrar.length > 0) fallar(`${programa}: ${sinMostrar.join(', ')} no sale en el orden de lectura`);
  return rutas.concat(deConsola);
}

// Las cabeceras públicas de consola/ en el orden del paso 3 de LEEME.md, que
// debe nombrarlas todas.
function cabecerasDeConsola() {
  const paso = /^3\. (.*?)^4\. /ms.exec(leeme.slice(leeme.indexOf('### Pasos 1 a 4')));
  const nombradas = paso ? [...new Set(paso[1].match(/\b\w+\.h\b/g))] : [];
  const carpeta = 'consola/include/consola';
  const hay = fs.readdirSync(path.join(RAIZ, carpeta)).filter((fichero) => fichero.endsWith('.h'));
  if (nombradas.length !== hay.length || !hay.every((fichero) => nombradas.includes(fichero))) {
    fallar(`el paso 3 de LEEME.md debe nombrar las cabeceras de ${carpeta}: ${hay.join(', ')}`);
  }
  return nombradas.map((fichero) => `${carpeta}/${fichero}`);
}

// Las transcripciones de un programa que LEEME.md nombra como ejemplo.
function ejemplosDe(programa) {
  const casos = new Set();
  for (const mencion of leeme.matchAll(/tests\/([a-z]+)\/transcripts\/(\w+)/g)) {
    if (mencion[1] === programa) casos.add(mencion[2]);
  }
  if (casos.size === 0) fallar(`LEEME.md no nombra ninguna transcripción de ${programa} como ejemplo`);
  return [...casos].map((caso) => {
    const entrada = path.join(RAIZ, 'tests', programa, 'transcripts', `${caso}.in`);
    if (!fs.existsSync(entrada)) fallar(`LEEME.md nombra ${entrada}, que no existe`);
    return { nombre: caso.replaceAll('_', ' '), entrada: fs.readFileSync(entrada, 'utf8') };
  });
}

// Cada fichero se resalta una vez, aunque salga en varias lecciones (las
// cabeceras de consola/ salen en todas).
const resaltados = new Map();
function resaltado(ruta) {
  if (!resaltados.has(ruta)) {
    const texto = fs.readFileSync(path.join(RAIZ, ruta), 'utf8');
    resaltados.set(ruta, {
      ruta,
      html: hljs.highlight(texto, { language: 'cpp' }).value,
      lineas: texto.split('\n').length - (texto.endsWith('\n') ? 1 : 0),
    });
  }
  return resaltados.get(ruta);
}

const objetivos = objetivosDeCMake();
const deConsola = cabecerasDeConsola();
fs.mkdirSync(path.join(pagina, 'lecciones'), { recursive: true });
for (const programa of programas) {
  const codigo = codigoDe(programa, objetivos, deConsola).map(resaltado);
  const leccion = { codigo, ejemplos: ejemplosDe(programa) };
  fs.writeFileSync(path.join(pagina, 'lecciones', `${programa}.js`),
    `// Escrito por web/lecciones.js: el código y los ejemplos de ${programa}.\n` +
    `window.LECCION = ${JSON.stringify(leccion)};\n`);
}
