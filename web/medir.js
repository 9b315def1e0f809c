// Mide la página de cada programa en un Chromium sin ventana (make bench-web;
// no es una prueba: no falla por lento). Para cada programa:
//   - lo que carga su página, con su código y sus ejemplos: cada fichero
//     pedido, sin caché;
//   - el tiempo desde que se abre la página hasta que su primera pantalla
//     está en el terminal y el programa espera: con un servidor que envía
//     las cabeceras COOP y COEP (make web-serve), con uno estático que no
//     las envía y abierta desde el disco (file://).
// Cada tiempo es la mediana (y el máximo) de REPETICIONES aperturas, cada
// una en un perfil nuevo, sin caché.
'use strict';

const fs = require('fs');
const path = require('path');
const nav = require('./navegador');

const REPETICIONES = Number(process.env.REPETICIONES || 5);
const programas = fs.readFileSync(path.join(nav.RAIZ, 'build-wasm/programas.txt'), 'utf8').split('\n').filter(Boolean);

// La primera pantalla está a la vista: el programa espera y la última línea
// que escribió está en el terminal. Lo escrito lo anota navegador.js desde
// fuera de la página.
function primeraPantalla() {
  const ejecucion = window.consolas?.ejecucion;
  if (!ejecucion?.esperando) return false;
  const salida = new TextDecoder().decode(new Uint8Array(window.salidaAnotada.flatMap((trozo) => Array.from(trozo))));
  const ultima = salida.trimEnd().split('\n').pop().trimEnd();
  const buffer = window.consolas.terminal.buffer.active;
  for (let i = 0; i < buffer.length; i++) {
    if (buffer.getLine(i).translateToString(true).trimEnd() === ultima) return true;
  }
  return false;
}

// Milisegundos desde que se pide la página hasta su primera pantalla, en un
// perfil nuevo.
async function abrir(navegador, url) {
  const contexto = await navegador.createBrowserContext();
  const pagina = await contexto.newPage();
  await nav.anotarSalida(pagina);
  const inicio = performance.now();
  await pagina.goto(url);
  await pagina.waitForFunction(primeraPantalla, { polling: 5, timeout: 20000 });
  const ms = performance.now() - inicio;
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
  await nav.anotarSalida(pagina);
  const ficheros = new Set();
  // El .wasm va dentro del .js del programa: su data: no es otro fichero.
  pagina.on('requestfinished', (peticion) => {
    const url = new URL(peticion.url());
    if (url.protocol === 'http:') ficheros.add(url.pathname);
  });
  await pagina.goto(url);
  await pagina.waitForFunction(primeraPantalla, { polling: 5, timeout: 20000 });
  // La lección, que llega a la vez, cuenta también.
  await pagina.waitForSelector('#ejemplos:not([hidden])');
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
  const disco = `file://${path.join(nav.RAIZ, 'build-web')}/`;
  const navegador = await nav.abrirNavegador();
  try {
    console.log(`Primera pantalla en ms: mediana (máximo) de ${REPETICIONES} aperturas en perfiles nuevos`);
    console.log('| programa   | carga (KiB) | ficheros | con COOP/COEP | servidor estático | desde el disco |');
    console.log('|------------|------------:|---------:|--------------:|------------------:|---------------:|');
    for (const programa of programas) {
      const ruta = `index.html?programa=${programa}`;
      const { total, ficheros } = await bytesCargados(navegador, aislado.url + ruta);
      const tiempos = [];
      for (const { url } of [aislado, estatico, { url: disco }]) {
        tiempos.push(await medianaYMaximo(() => abrir(navegador, url + ruta)));
      }
      const [conCabeceras, sinCabeceras, desdeDisco] = tiempos;
      console.log(`| ${programa.padEnd(10)} | ${(total / 1024).toFixed(0).padStart(11)} | ${String(ficheros).padStart(8)} ` +
        `| ${conCabeceras.padStart(13)} | ${sinCabeceras.padStart(17)} | ${desdeDisco.padStart(14)} |`);
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
