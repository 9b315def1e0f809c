// Mide la página de cada programa en un Chromium sin ventana (make bench-web;
// no es una prueba: no falla por lento). Para cada programa:
//   - lo que carga su página: cada fichero pedido, sin caché;
//   - el tiempo desde que se abre la página hasta que su primera pantalla
//     está en el terminal y el programa espera: con un servidor que envía
//     las cabeceras COOP y COEP (make web-serve), y con uno estático que no
//     las envía, la primera visita (coi-serviceworker se instala y recarga la
//     página) y las siguientes.
// Cada tiempo es la mediana (y el máximo) de REPETICIONES aperturas, cada
// una en un perfil nuevo, sin caché ni service worker.
'use strict';

const fs = require('fs');
const path = require('path');
const nav = require('./navegador');

const REPETICIONES = Number(process.env.REPETICIONES || 5);
const programas = fs.readFileSync(path.join(nav.RAIZ, 'build-wasm/programas.txt'), 'utf8').split('\n').filter(Boolean);

// La primera pantalla está a la vista: el programa espera y la última línea
// que escribió está en el terminal.
function primeraPantalla() {
  const ejecucion = window.consolas?.ejecucion;
  if (!ejecucion?.esperando) return false;
  const salida = new TextDecoder().decode(new Uint8Array(ejecucion.salida.flatMap((trozo) => Array.from(trozo))));
  const ultima = salida.trimEnd().split('\n').pop().trimEnd();
  const buffer = window.consolas.terminal.buffer.active;
  for (let i = 0; i < buffer.length; i++) {
    if (buffer.getLine(i).translateToString(true).trimEnd() === ultima) return true;
  }
  return false;
}

// Milisegundos desde que se pide la página hasta su primera pantalla, en un
// perfil nuevo; con `visitas` > 1, los de la última visita.
async function abrir(navegador, url, visitas = 1) {
  const contexto = await navegador.createBrowserContext();
  const pagina = await contexto.newPage();
  let ms = 0;
  for (let visita = 0; visita < visitas; visita++) {
    const inicio = performance.now();
    await pagina.goto(url);
    await pagina.waitForFunction(primeraPantalla, { polling: 5, timeout: 20000 });
    ms = performance.now() - inicio;
  }
  await contexto.close();
  return ms;
}

async function medianaYMaximo(medir) {
  const tiempos = [];
  for (let i = 0; i < REPETICIONES; i++) tiempos.push(await medir());
  tiempos.sort((a, b) => a - b);
  return `${Math.round(tiempos[Math.floor(tiempos.length / 2)])} (${Math.round(tiempos[tiempos.length - 1])})`;
}

// Los bytes de los ficheros que pide la página del programa.
async function bytesCargados(navegador, url) {
  const contexto = await navegador.createBrowserContext();
  const pagina = await contexto.newPage();
  await pagina.setCacheEnabled(false);
  const ficheros = new Set();
  pagina.on('requestfinished', (peticion) => ficheros.add(new URL(peticion.url()).pathname));
  await pagina.goto(url);
  await pagina.waitForFunction(primeraPantalla, { polling: 5, timeout: 20000 });
  await contexto.close();
  let total = 0;
  for (const fichero of ficheros) {
    const ruta = path.join(nav.RAIZ, 'build-web', fichero === '/' ? 'index.html' : decodeURIComponent(fichero));
    total += fs.statSync(ruta).size;
  }
  return { total, ficheros: ficheros.size };
}

async function main() {
  const aislado = await nav.servir();
  const estatico = await nav.servir({ aislar: false });
  const navegador = await nav.abrirNavegador();
  try {
    console.log(`Primera pantalla en ms: mediana (máximo) de ${REPETICIONES} aperturas en perfiles nuevos`);
    console.log('| programa   | carga (KiB) | ficheros | con COOP/COEP | estático, 1.ª visita | estático, 2.ª visita |');
    console.log('|------------|------------:|---------:|--------------:|---------------------:|---------------------:|');
    for (const programa of programas) {
      const ruta = `index.html?programa=${programa}`;
      const { total, ficheros } = await bytesCargados(navegador, aislado.url + ruta);
      const conCabeceras = await medianaYMaximo(() => abrir(navegador, aislado.url + ruta));
      const primera = await medianaYMaximo(() => abrir(navegador, estatico.url + ruta));
      const segunda = await medianaYMaximo(() => abrir(navegador, estatico.url + ruta, 2));
      console.log(`| ${programa.padEnd(10)} | ${(total / 1024).toFixed(0).padStart(11)} | ${String(ficheros).padStart(8)} ` +
        `| ${conCabeceras.padStart(13)} | ${primera.padStart(20)} | ${segunda.padStart(20)} |`);
    }
  } finally {
    await navegador.close();
    aislado.cerrar();
    estatico.cerrar();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
