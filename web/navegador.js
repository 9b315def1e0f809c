// Lo que comparten la prueba (probar.js) y la medición (medir.js): la página
// servida por servir.py y un Chromium sin ventana que la abre.
'use strict';

const { spawn, execFileSync } = require('child_process');
const path = require('path');
const puppeteer = require('puppeteer-core');

const RAIZ = path.resolve(__dirname, '..');
const CARPETA = path.join(RAIZ, 'build-web');

// Arranca servir.py en un puerto libre; `aislar` a false lo deja sin las
// cabeceras COOP y COEP, como un servidor estático cualquiera.
function servir({ aislar = true } = {}) {
  const argumentos = [path.join(__dirname, 'servir.py'), '--puerto', '0', CARPETA];
  if (!aislar) argumentos.push('--sin-aislamiento');
  const proceso = spawn('python3', argumentos, { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolver, rechazar) => {
    proceso.on('error', rechazar);
    proceso.on('exit', (codigo) => rechazar(new Error(`servir.py terminó (${codigo})`)));
    proceso.stdout.once('data', (linea) => {
      const url = /http:\/\/\S+\//.exec(String(linea))[0];
      resolver({ url, cerrar: () => proceso.kill() });
    });
  });
}

// El Chromium de Debian (o el de CHROMIUM); como root, sin su sandbox.
function abrirNavegador() {
  const chromium = process.env.CHROMIUM || execFileSync('which', ['chromium']).toString().trim();
  const argumentos = process.getuid() === 0 ? ['--no-sandbox'] : [];
  return puppeteer.launch({ executablePath: chromium, args: argumentos });
}

// Las líneas del terminal desde el último borrado: las filas partidas por
// ser largas se unen, sin blancos al final ni líneas vacías detrás.
function lineasDelTerminal(pagina) {
  return pagina.evaluate(() => {
    const buffer = window.consolas.terminal.buffer.active;
    const lineas = [];
    for (let i = 0; i < buffer.length; i++) {
      const fila = buffer.getLine(i);
      const texto = fila.translateToString(false);
      if (fila.isWrapped && lineas.length > 0) lineas[lineas.length - 1] += texto;
      else lineas.push(texto);
    }
    return lineas;
  }).then(limpiar);
}

function limpiar(lineas) {
  const limpias = lineas.map((linea) => linea.trimEnd());
  while (limpias.length > 0 && limpias[limpias.length - 1] === '') limpias.pop();
  return limpias;
}

// Espera a que el programa acabe o se quede esperando entrada, y dice cómo.
async function esperarPrograma(pagina) {
  await pagina.waitForFunction(
    () => window.consolas?.ejecucion && (window.consolas.ejecucion.resultado || window.consolas.ejecucion.esperando),
    { polling: 5, timeout: 10000 },
  );
  return pagina.evaluate(() => {
    const { resultado, modoLinea } = window.consolas.ejecucion;
    return { resultado, modoLinea };
  });
}

// La página no guarda lo que escribe el programa: la prueba lo anota desde
// fuera, en cada pestaña que lo pide y antes de que cargue la página (y sus
// iframes). Cada programa define crearPrograma(Module), que la página llama
// con el terminal de la ejecución en Module.terminal; aquí se envuelve para
// anotar cada escritura de esa ejecución en window.salidaAnotada.
function anotarSalida(pestana) {
  return pestana.evaluateOnNewDocument(() => {
    let crear;
    Object.defineProperty(window, 'crearPrograma', {
      configurable: true,
      set: (valor) => { crear = valor; },
      get: () => crear && ((Module) => {
        const anotada = window.salidaAnotada = [];
        const { terminal } = Module;
        const escribir = terminal.escribir.bind(terminal);
        terminal.escribir = (bytes) => {
          if (!terminal.resultado) anotada.push(bytes);
          escribir(bytes);
        };
        return crear(Module);
      }),
    });
  });
}

// Todo lo que ha escrito el programa hasta ahora.
async function salidaDelPrograma(pagina) {
  const bytes = await pagina.evaluate(() => window.salidaAnotada.flatMap((trozo) => Array.from(trozo)));
  return Buffer.from(bytes);
}

module.exports = {
  RAIZ, servir, abrirNavegador, lineasDelTerminal, limpiar, esperarPrograma, anotarSalida, salidaDelPrograma,
};
