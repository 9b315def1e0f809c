// La prueba de la página en un Chromium sin ventana (make test-web).
//
// Cada transcripción de tests/<programa>/transcripts se teclea como lo haría
// una persona, con el reproductor de ejemplos de la página: una línea cada
// vez que el programa la espera, una tecla en cada pausa, Ctrl+D donde la
// entrada se acaba. Lo que escribe el programa debe
// ser, byte a byte, el .out, con el borrado de pantalla como secuencia de
// control en lugar del salto de página; y en cada espera el terminal debe
// mostrar la pantalla del .out que toca, con lo tecleado en su sitio. Otras
// formas de teclear las mismas sesiones (todo pegado de una vez, con erratas,
// con media línea pendiente, con Ctrl+Z) deben dar los mismos bytes. Al
// final, Ctrl+C; la lección de cada programa (su código, un ejemplo con los
// botones, su accesibilidad según axe y en el árbol de accesibilidad), la
// página a 360 px, su memoria en una sesión larga, y la página donde la pone
// quien la publica: dentro de un iframe de otro sitio, en un servidor sin
// cabeceras y abierta desde el disco.
//
//   node web/probar.js [PARTE_DEL_NOMBRE]
'use strict';

const assert = require('assert');
const fs = require('fs');
const http = require('http');
const path = require('path');
const nav = require('./navegador');

const BORRAR = '\x1b[H\x1b[2J\x1b[3J';
// Las teclas de las pausas, por turno: de un byte, de varios y con Intro.
const TECLAS = [' ', 'Enter', 'ArrowUp', 'x', 'F2', 'ñ'];
const AXE = path.join(__dirname, 'node_modules/axe-core/axe.min.js');
const programas = fs.readFileSync(path.join(nav.RAIZ, 'build-wasm/programas.txt'), 'utf8').split('\n').filter(Boolean);

// Otras formas de teclear una transcripción, y lo que cada una comprueba;
// con un quinto elemento, las líneas del .in que se teclean de otro modo.
const VARIANTES = [
  ['fixedstack', 'cuatro_y_nueve', 'pegado de una vez', 'las respuestas tecleadas antes de una pausa quedan para después'],
  ['shapestack', 'fin_de_entrada_en_el_menu', 'pegado de una vez', 'un Ctrl+D tecleado antes de una pausa queda para después'],
  ['fixedstack', 'ejemplo', 'media línea', 'media línea tecleada antes de una pausa queda para después'],
  ['growstack', 'por_defecto', 'media línea', 'media línea tecleada antes de una pausa queda para después'],
  ['shapestack', 'lado_con_coma_decimal', 'con erratas', 'Retroceso borra en el modo línea; la coma decimal'],
  ['payslips', 'bonificacion_con_coma_y_por_ciento', 'con erratas', 'Retroceso borra en el modo línea; la coma decimal'],
  ['growstack', 'por_defecto', 'con Ctrl+Z', 'Ctrl+Z no hace nada'],
  ['shapestack', 'palabras_donde_va_un_numero', 'a su tiempo', 'inf no es un número, como en Linux',
    { 'Azul Verde': ['Azul', 'inf'] }],
];

// El aviso de la pausa, aprendido de lo que escribe el programa antes de
// esperar una tecla: el final de la última línea, común a todas las esperas
// (a veces el aviso sigue a una pregunta en la misma línea). Una sesión
// espera tantas teclas como veces tiene el aviso su .out.
let avisoDePausa = null;

function aprenderAviso(salida) {
  const ultima = salida.toString('latin1').split('\n').pop();
  if (avisoDePausa === null || avisoDePausa.endsWith(ultima)) avisoDePausa = ultima;
  assert(ultima.endsWith(avisoDePausa), `espera una tecla sin el aviso de la pausa: ${JSON.stringify(ultima)}`);
}

// Con un argumento, solo las comprobaciones cuyo nombre lo contienen.
const filtro = process.argv[2] || '';
const resultados = [];
async function comprobar(nombre, prueba) {
  if (!nombre.includes(filtro)) return;
  try {
    await prueba();
    resultados.push(true);
    console.log(`ok     ${nombre}`);
  } catch (error) {
    resultados.push(false);
    console.log(`FALLO  ${nombre}\n${String(error.stack || error).replace(/^/gm, '       ')}`);
  }
}

async function pulsar(pagina, tecla) {
  if ([...tecla].length === 1) await pagina.keyboard.type(tecla);
  else await pagina.keyboard.press(tecla);
}

async function conControl(pagina, letra) {
  await pagina.keyboard.down('Control');
  await pagina.keyboard.press(letra);
  await pagina.keyboard.up('Control');
}

// Lo que hace el navegador al pegar: un evento paste en el terminal.
async function pegar(pagina, texto) {
  await pagina.$eval('.xterm-helper-textarea', (area, pegado) => {
    const datos = new DataTransfer();
    datos.setData('text/plain', pegado);
    area.dispatchEvent(new ClipboardEvent('paste', { clipboardData: datos, bubbles: true, cancelable: true }));
  }, texto);
}

// Abre el programa en la página, o lo empieza de nuevo con el botón si ya
// había acabado una ejecución. Devuelve dónde está la página, que aquí es
// la pestaña misma.
async function empezar(pagina, servidor, programa) {
  const url = `${servidor.url}index.html?programa=${programa}`;
  const acabada = await pagina.evaluate(() => Boolean(window.consolas?.ejecucion?.resultado));
  if (acabada && pagina.url() === url) {
    // El botón se pulsa desde la página, no con el ratón: al acabar el
    // programa la página puede estar aún desplazándose (el terminal recupera
    // a veces el foco), y un clic en el punto donde estaba el botón caería
    // en otro sitio.
    await pagina.$eval('#otra-vez', (boton) => boton.click());
  } else {
    await pagina.goto(url);
  }
  return pagina;
}

// La pantalla que debe verse: la salida con lo tecleado (su eco) donde se
// tecleó, desde el último borrado, con los tabuladores en sus columnas.
function pantallaEsperada(salida, ecos) {
  const partes = [];
  let desde = 0;
  for (const { en, texto } of ecos) {
    partes.push(salida.subarray(desde, en), Buffer.from(texto));
    desde = en;
  }
  partes.push(salida.subarray(desde));
  const todo = Buffer.concat(partes).toString('utf8');
  const corte = todo.lastIndexOf(BORRAR);
  const pantalla = corte < 0 ? todo : todo.slice(corte + BORRAR.length);
  return nav.limpiar(pantalla.split('\n').map(sinTabuladores));
}

function sinTabuladores(linea) {
  let columnas = '';
  for (const letra of linea) columnas += letra === '\t' ? ' '.repeat(8 - (columnas.length % 8)) : letra;
  return columnas;
}

async function compararPantalla(vista, esperadas) {
  let vistas;
  for (const limite = Date.now() + 3000; Date.now() < limite; await new Promise((r) => setTimeout(r, 20))) {
    vistas = await nav.lineasDelTerminal(vista);
    if (JSON.stringify(vistas) === JSON.stringify(esperadas)) return;
  }
  assert.deepStrictEqual(vistas, esperadas, 'el terminal no muestra la pantalla del .out');
}

// El .out de una transcripción, con el borrado como secuencia de control.
function salidaEsperada(programa, caso) {
  const out = path.join(nav.RAIZ, 'tests', programa, 'transcripts', `${caso}.out`);
  return Buffer.from(fs.readFileSync(out, 'latin1').split('\f').join(BORRAR), 'latin1');
}

// Teclea la entrada de una transcripción al ritmo dicho y comprueba la salida.
// A su tiempo, las respuestas las teclea el reproductor de la página (el de
// sus ejemplos), una cada vez que el programa espera una línea, y la prueba
// pulsa la tecla de cada pausa; con erratas o con Ctrl+Z, la prueba teclea
// eso antes de cada respuesta. `cambios` cambia líneas del .in por otras;
// `respuestas` acaba la sesión cuando el programa espera tras ese número de
// respuestas; `abrir` abre el programa y devuelve dónde está la página (la
// pestaña o un iframe).
async function sesion(pagina, servidor, programa, caso, ritmo = 'a su tiempo', {
  cambios = {},
  respuestas = Infinity,
  abrir = () => empezar(pagina, servidor, programa),
} = {}) {
  const carpeta = path.join(nav.RAIZ, 'tests', programa, 'transcripts');
  const entrada = fs.readFileSync(path.join(carpeta, `${caso}.in`), 'utf8').split('\n')
    .flatMap((linea) => cambios[linea] || [linea]).join('\n');
  const esperada = salidaEsperada(programa, caso);
  const aSuTiempo = ritmo !== 'pegado de una vez' && ritmo !== 'media línea';
  let tecleadas = 0;
  let esperas = 0;
  const ecos = [];
  const vista = await abrir();
  for (let paso = 0; ; paso++) {
    assert(paso < 1000, 'demasiadas esperas');
    const estado = await nav.esperarPrograma(vista);
    const salida = await nav.salidaDelPrograma(vista);
    assert(esperada.subarray(0, salida.length).equals(salida),
      `la salida difiere del .out:\n${JSON.stringify(salida.toString('utf8'))}`);
    if (aSuTiempo) await compararPantalla(vista, pantallaEsperada(salida, ecos));
    if (estado.resultado) {
      assert.deepStrictEqual(estado.resultado, { estado: 0 });
      assert(salida.equals(esperada), 'falta salida al acabar');
      if (avisoDePausa !== null) {
        const pausas = esperada.toString('latin1').split(avisoDePausa).length - 1;
        assert.strictEqual(tecleadas, pausas, 'teclas pulsadas en las pausas');
      }
      return;
    }
    if (!estado.modoLinea) {
      aprenderAviso(salida);
      await pulsar(pagina, TECLAS[tecleadas++ % TECLAS.length]);
      continue;
    }
    esperas++;
    if (esperas > respuestas) return;
    if (aSuTiempo) {
      const suspender = ritmo === 'con Ctrl+Z';
      if (suspender) await conControl(pagina, 'z');
      if (ritmo === 'con erratas') {
        await pagina.keyboard.type('x');
        await pagina.keyboard.press('Backspace');
      }
      const respuesta = await vista.evaluate((texto) => {
        const { ejecucion, terminal } = window.consolas;
        if (window.reproductorDeLaPrueba?.ejecucion !== ejecucion) {
          window.reproductorDeLaPrueba = new Reproductor({ ejecucion, terminal, entrada: texto, ritmo: { tecla: 0, pausa: 0 } });
        }
        return window.reproductorDeLaPrueba.siguienteRespuesta();
      }, entrada);
      // El eco de Ctrl+Z es ^Z, como en Linux; el de Intro, un salto de línea.
      ecos.push({ en: salida.length, texto: `${suspender ? '^Z' : ''}${respuesta.replace('\r', '\n').replace('\x04', '')}` });
    } else if (esperas === 1) {
      // Todo de una vez, pegado: tecla a tecla, la pausa podría llegar a
      // mitad y tomar una de ellas por su tecla. Con «media línea», todo
      // menos el último Intro.
      const retener = ritmo === 'media línea';
      const parcial = entrada.slice(entrada.lastIndexOf('\n') + 1);
      assert(!retener || parcial === '', 'la entrada debe acabar en un salto de línea');
      await pegar(vista, retener ? entrada.slice(0, -1) : `${entrada}${parcial ? '\x04' : ''}\x04`);
    } else {
      assert(ritmo === 'media línea', 'el programa espera una entrada ya tecleada');
      if (esperas === 2) await pagina.keyboard.press('Enter');
      else await conControl(pagina, 'd');
    }
  }
}

// Arranca un programa y teclea líneas hasta que espera en el modo dicho.
async function llevarA(pagina, servidor, programa, lineas, modoLinea) {
  await empezar(pagina, servidor, programa);
  for (const linea of lineas) {
    await nav.esperarPrograma(pagina);
    await pagina.keyboard.type(`${linea}\n`);
  }
  const estado = await nav.esperarPrograma(pagina);
  assert.strictEqual(estado.modoLinea, modoLinea);
}

async function finalDe(pagina) {
  await pagina.waitForSelector('#fin:not([hidden])');
  return pagina.evaluate(() => {
    const modo = window.consolas.ejecucion.esclavo.ioctl('TCGETS');
    return { resultado: window.consolas.ejecucion.resultado, linea: modo.ICANON_P && modo.ECHO_P };
  });
}

// Los fallos de las reglas WCAG 2.1 A y AA de axe en la página, uno por línea.
async function fallosDeAxe(pagina) {
  await pagina.addScriptTag({ path: AXE });
  return pagina.evaluate(async () => (await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }))
    .violations.map((fallo) => `${fallo.id}: ${fallo.nodes.map((nodo) => nodo.target.join(' ')).join(', ')}`));
}

// Las pestañas del código, recorridas con la flecha derecha: de cada fichero,
// su ruta, su texto y cuántos números de línea tiene al lado.
async function ficherosVistos(pagina) {
  await pagina.focus('#ficheros [aria-selected="true"]');
  const vistos = [];
  for (;;) {
    const visto = await pagina.evaluate(() => ({
      ruta: document.activeElement.title,
      texto: document.querySelector('#fichero code').textContent,
      numeros: document.querySelector('#fichero .numeros').textContent.split('\n').length,
    }));
    if (vistos.some(({ ruta }) => ruta === visto.ruta)) return vistos;
    vistos.push(visto);
    await pagina.keyboard.press('ArrowRight');
  }
}

// Lo que el árbol de accesibilidad de Chromium da del terminal: sus filas,
// lo que anuncia (su región viva) y el nombre de su entrada.
async function terminalAccesible(pagina) {
  const arbol = await pagina.accessibility.snapshot({ interestingOnly: false });
  const nodos = [];
  const recorrer = (nodo) => {
    nodos.push(nodo);
    (nodo.children || []).forEach(recorrer);
  };
  recorrer(arbol);
  const texto = (nodo) => (nodo.role === 'StaticText' ? nodo.name : (nodo.children || []).map(texto).join(''));
  const filas = nodos.find((nodo) => nodo.role === 'list' && nodo.name === 'Pantalla del terminal');
  return {
    filas: nav.limpiar((filas?.children || []).map(texto)),
    anuncio: texto(nodos.find((nodo) => nodo.live === 'assertive' && texto(nodo) !== '') || {}),
    entrada: nodos.find((nodo) => nodo.role === 'textbox')?.name,
  };
}

// Una página de otro sitio, sin cabeceras de aislamiento, que lleva `url` en
// un iframe, como la de un aula virtual.
function servirMarco(url) {
  const servidor = http.createServer((peticion, respuesta) => {
    respuesta.end(`<!doctype html><iframe src="${url}" width="900" height="700"></iframe>`);
  });
  return new Promise((resolver) => servidor.listen(0, '127.0.0.1', () => resolver({
    url: `http://127.0.0.1:${servidor.address().port}/`,
    cerrar: () => servidor.close(),
  })));
}

async function main() {
  const servidor = await nav.servir();
  const navegador = await nav.abrirNavegador();
  const pagina = await navegador.newPage();
  await nav.anotarSalida(pagina);
  pagina.on('pageerror', (error) => console.log(`error en la página: ${error.message}`));
  try {
    for (const programa of programas) {
      const carpeta = path.join(nav.RAIZ, 'tests', programa, 'transcripts');
      for (const fichero of fs.readdirSync(carpeta).filter((f) => f.endsWith('.in')).sort()) {
        const caso = path.basename(fichero, '.in');
        await comprobar(`${programa} ${caso}`, () => sesion(pagina, servidor, programa, caso));
      }
    }
    for (const [programa, caso, ritmo, que, cambios] of VARIANTES) {
      await comprobar(`${programa} ${caso}, ${ritmo}: ${que}`, () => sesion(pagina, servidor, programa, caso, ritmo, { cambios }));
    }

    // Las teclas que terminan el programa: dónde se pulsan y su señal.
    for (const [programa, lineas, modoLinea, letra, senal, donde] of [
      ['nodelist', [], true, 'c', 'SIGINT', 'en el menú'],
      ['fixedstack', ['1', '1', '7'], false, 'c', 'SIGINT', 'en la pausa'],
      ['growstack', ['1'], true, '\\', 'SIGQUIT', 'en el menú'],
    ]) {
      await comprobar(`Ctrl+${letra.toUpperCase()} ${donde} termina el programa y deja el terminal en modo línea`, async () => {
        await llevarA(pagina, servidor, programa, lineas, modoLinea);
        await conControl(pagina, letra);
        assert.deepStrictEqual(await finalDe(pagina), { resultado: { senal }, linea: true });
      });
    }
    await comprobar('la página lista los programas, avisa de uno que no existe y axe no ve fallos', async () => {
      await pagina.goto(`${servidor.url}index.html`);
      const nombres = await pagina.$$eval('#programas a', (enlaces) => enlaces.map((a) => a.textContent));
      assert.deepStrictEqual(nombres, programas);
      assert.deepStrictEqual(await fallosDeAxe(pagina), []);
      await pagina.goto(`${servidor.url}index.html?programa=nada`);
      assert.match(await pagina.$eval('#aviso', (aviso) => aviso.textContent), /«nada»/);
    });

    // La lección de cada programa.
    for (const programa of programas) {
      const url = `${servidor.url}index.html?programa=${programa}`;
      await comprobar(`${programa}: su código, en orden de lectura, con sus números de línea`, async () => {
        await pagina.goto(url);
        await pagina.waitForSelector('#ficheros [role="tab"]');
        const vistos = await ficherosVistos(pagina);
        for (const { ruta, texto, numeros } of vistos) {
          const fichero = fs.readFileSync(path.join(nav.RAIZ, ruta), 'utf8');
          assert.strictEqual(texto, fichero, `${ruta} no se ve tal cual`);
          assert.strictEqual(numeros, fichero.trimEnd().split('\n').length, `números de línea de ${ruta}`);
        }
        const rutas = vistos.map(({ ruta }) => ruta);
        const propios = fs.readdirSync(path.join(nav.RAIZ, programa)).filter((f) => /\.(h|cpp)$/.test(f));
        const consola = fs.readdirSync(path.join(nav.RAIZ, 'consola/include/consola')).map((f) => `consola/include/consola/${f}`);
        assert.strictEqual(rutas[0], `${programa}/main.cpp`);
        assert.deepStrictEqual(rutas.slice(0, propios.length).sort(), propios.map((f) => `${programa}/${f}`).sort());
        assert.deepStrictEqual(rutas.slice(propios.length).sort(), consola.sort());
        for (const cpp of rutas.filter((ruta) => ruta.endsWith('.cpp') && rutas.includes(ruta.replace(/cpp$/, 'h')))) {
          assert(rutas.indexOf(cpp.replace(/cpp$/, 'h')) < rutas.indexOf(cpp), `${cpp} va antes que su .h`);
        }
      });
      await comprobar(`${programa}: en su primer menú, axe no ve fallos y el menú está en el árbol de accesibilidad`, async () => {
        await pagina.goto(url);
        await nav.esperarPrograma(pagina);
        await pagina.waitForSelector('#codigo:not([hidden]) [role="tab"]');
        assert.deepStrictEqual(await fallosDeAxe(pagina), []);
        const menu = pantallaEsperada(await nav.salidaDelPrograma(pagina), []);
        // xterm.js anuncia lo escrito como mucho un segundo después.
        await new Promise((listo) => setTimeout(listo, 1200));
        const { filas, anuncio, entrada } = await terminalAccesible(pagina);
        assert.deepStrictEqual(filas, menu, 'las filas del terminal');
        assert.strictEqual(anuncio.replace(/\s+/g, ' ').trim(), menu.join(' '), 'lo que anuncia');
        assert.strictEqual(entrada, 'Entrada del terminal');
      });
      await comprobar(`${programa}: su ejemplo, con el teclado, una respuesta y luego hasta el final, da su .out; axe no ve fallos al acabar`, async () => {
        await pagina.goto(url);
        await pagina.waitForSelector('#ejemplos:not([hidden])');
        await pagina.evaluate(() => Object.assign(window.consolas.ritmo, { tecla: 0, pausa: 0 }));
        const caso = (await pagina.$eval('#ejemplo', (lista) => lista.selectedOptions[0].textContent)).replaceAll(' ', '_');
        const esperada = salidaEsperada(programa, caso);
        await pagina.focus('#siguiente');
        await pagina.keyboard.press('Enter');
        await pagina.waitForFunction(() => window.consolas.reproductor?.tecleadas === 1 && !window.consolas.reproductor.tecleando);
        const una = await nav.salidaDelPrograma(pagina);
        assert(una.length < esperada.length && esperada.subarray(0, una.length).equals(una), 'tras una respuesta');
        assert.match(await pagina.$eval('#estado-del-ejemplo', (estado) => estado.textContent), /: 1 de \d+ respuestas tecleadas\.$/);
        await pagina.keyboard.press('Tab');
        await pagina.keyboard.press('Enter');
        assert.deepStrictEqual((await finalDe(pagina)).resultado, { estado: 0 });
        const salida = await nav.salidaDelPrograma(pagina);
        assert(salida.equals(esperada), `la salida difiere del .out de ${caso}`);
        await compararPantalla(pagina, pantallaEsperada(salida, []));
        assert.deepStrictEqual(await fallosDeAxe(pagina), []);
      });
    }

    await comprobar('a 360 px no se corta nada ni se desplaza a lo ancho; más ancha, el código va al lado del terminal', async () => {
      try {
        for (const [ancho, alLado] of [[360, false], [1400, true]]) {
          await pagina.setViewport({ width: ancho, height: 800 });
          await pagina.goto(`${servidor.url}index.html?programa=shapestack`);
          await pagina.waitForSelector('#ejemplos:not([hidden])');
          assert.deepStrictEqual(await pagina.evaluate(() => {
            // Lo de dentro del terminal y del fichero se desplaza en su caja.
            const cortados = [...document.querySelectorAll('body *')]
              .filter((e) => !e.parentElement.closest('.marco-terminal, #fichero') && e.getClientRects().length > 0)
              .filter((e) => e.getBoundingClientRect().left < 0 || e.getBoundingClientRect().right > innerWidth)
              .map((e) => e.id || e.className || e.tagName);
            const terminal = document.querySelector('.marco-terminal').getBoundingClientRect();
            const codigo = document.querySelector('#codigo').getBoundingClientRect();
            return [cortados, document.documentElement.scrollWidth, codigo.left >= terminal.right];
          }), [[], ancho, alLado]);
        }
      } finally {
        await pagina.setViewport({ width: 800, height: 600 });
      }
    });

    await comprobar('Esc y Mayús+Tab sacan el foco del terminal sin llegar al programa', async () => {
      await pagina.goto(`${servidor.url}index.html?programa=nodelist`);
      await nav.esperarPrograma(pagina);
      const pantalla = await nav.lineasDelTerminal(pagina);
      const enfocado = () => pagina.evaluate(() => {
        const { id, className, textContent } = document.activeElement;
        return id || className || textContent;
      });
      assert.strictEqual(await enfocado(), 'xterm-helper-textarea');
      await pagina.keyboard.press('Escape');
      assert.strictEqual(await enfocado(), 'ejemplo');
      await pagina.focus('.xterm-helper-textarea');
      await pagina.keyboard.down('Shift');
      await pagina.keyboard.press('Tab');
      await pagina.keyboard.up('Shift');
      assert.strictEqual(await enfocado(), programas[programas.length - 1]);
      assert.deepStrictEqual(await nav.lineasDelTerminal(pagina), pantalla);
      assert.strictEqual((await nav.esperarPrograma(pagina)).modoLinea, true);
    });

    await comprobar('la memoria de la página no crece en una sesión larga de growstack', async () => {
      // Otra pestaña, en la que la prueba no anota la salida.
      const limpia = await navegador.newPage();
      try {
        await limpia.goto(`${servidor.url}index.html?programa=growstack`);
        const cdp = await limpia.createCDPSession();
        const memoria = async () => {
          await cdp.send('HeapProfiler.collectGarbage');
          const { usedSize, backingStorageSize } = await cdp.send('Runtime.getHeapUsage');
          return usedSize + backingStorageSize;
        };
        // Con 100.000 huecos, cada PUSH escribe 600 KB: los de la cola y la pila.
        const pushes = async (veces) => {
          for (let i = 0; i < veces; i++) {
            await nav.esperarPrograma(limpia);
            await limpia.keyboard.type('1\n1\n7\n');
            await nav.esperarPrograma(limpia);
            await limpia.keyboard.press('Enter');
          }
          await nav.esperarPrograma(limpia);
        };
        await nav.esperarPrograma(limpia);
        await limpia.keyboard.type('2\n100000\n0\n');
        await pushes(10);
        const antes = await memoria();
        await pushes(20);
        const crece = (await memoria()) - antes;
        assert(crece < 2e6, `crece ${crece} bytes en 20 PUSH más (12 MB de salida)`);
      } finally {
        await limpia.close();
      }
    });

    // Donde la pone quien la publica: hasta el primer menú y una respuesta,
    // sin aislamiento de otros orígenes y sin recargarse.
    const estatico = await nav.servir({ aislar: false });
    const marco = await servirMarco(`${estatico.url}index.html?programa=fixedstack`);
    const disco = { url: `file://${path.join(nav.RAIZ, 'build-web')}/` };
    try {
      for (const [donde, programa, caso, abrir] of [
        ['dentro de un iframe de otro sitio', 'fixedstack', 'ejemplo', async () => {
          await pagina.goto(marco.url);
          const iframe = await (await pagina.waitForSelector('iframe')).contentFrame();
          await (await iframe.waitForSelector('.xterm')).click();
          return iframe;
        }],
        ['en un servidor sin cabeceras', 'shapestack', 'cuadrado_rojo_en_la_cola', () => empezar(pagina, estatico, 'shapestack')],
        ['abierta desde el disco', 'nodelist', 'principio_y_fin', () => empezar(pagina, disco, 'nodelist')],
      ]) {
        await comprobar(`la página funciona ${donde}`, async () => {
          let vista;
          await sesion(pagina, null, programa, caso, 'a su tiempo', { respuestas: 1, abrir: async () => (vista = await abrir()) });
          assert.deepStrictEqual(await vista.evaluate(() =>
            [window.crossOriginIsolated, performance.getEntriesByType('navigation')[0].type]), [false, 'navigate']);
        });
      }
    } finally {
      estatico.cerrar();
      marco.cerrar();
    }
  } finally {
    await navegador.close();
    servidor.cerrar();
  }
  const bien = resultados.filter(Boolean).length;
  console.log(`${bien} pasadas, ${resultados.length - bien} fallidas`);
  process.exitCode = bien === resultados.length ? 0 : 1;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
